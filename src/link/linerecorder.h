#pragma once

// Moved; kept while the front ends change their includes.
#include "recording/linerecorder.h"
