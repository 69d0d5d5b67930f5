#pragma once
// A child object that is made the first time it is used: for members whose
// making costs the program's start more than it can spare (a file dialog
// builds a whole file browser, with icons, models and a watcher thread).
// It reads like the pointer it stands for: ->, * and the conversion to T*
// make the object, so the member's users need not know it is deferred.
//
// The maker gives the object a parent, which owns it; after the parent has
// deleted it the member reads as null and is never made again.

#include <QPointer>

#include <functional>
#include <utility>

template <class T>
class TOnDemand {
public:
    TOnDemand() = default;
    explicit TOnDemand(std::function<T*()> make) : m_make(std::move(make)) {}

    [[nodiscard]] bool Made() const { return m_made; }

    T* Get() const {
        if (!m_made && m_make) {
            m_made = true;
            m_object = m_make();
        }
        return m_object.data();
    }
    T* operator->() const { return Get(); }
    T& operator*() const { return *Get(); }
    operator T*() const { return Get(); }  // NOLINT(google-explicit-constructor): stands for a T*

private:
    std::function<T*()> m_make;
    mutable bool m_made = false;
    mutable QPointer<T> m_object;
};
