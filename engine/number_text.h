#pragma once
// Number text lives with the units database, which the engine builds on.
#include "units/number_text.h"
