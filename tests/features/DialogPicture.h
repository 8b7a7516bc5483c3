#pragma once
// Saves a picture of a dialog once its lists have painted.

#include <gtest/gtest.h>

#include <string>

#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"

inline void ExpectPicture(TForm* dialog, const std::string& fileName) {
    PumpUntil([] { return false; }, 300);  // lists paint their rows in batches
    EXPECT_FALSE(SaveScreenshot(dialog, fileName).empty()) << fileName;
}
