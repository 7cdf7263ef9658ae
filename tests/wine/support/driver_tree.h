// A driver option tree as a test describes it, item by item: the host's
// described driver, with its record of DrvUpdateUISetting calls.
#pragma once

#include "driver/described_driver.h"

using DriverTree = DescribedDriver;
