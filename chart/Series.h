#pragma once
// The series types the charts are made of: bars and lines.

#include "SeriesBar.h"
#include "SeriesLine.h"
