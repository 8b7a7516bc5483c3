#pragma once
// A simulated stack with a description of the test's own, and the session
// settings pointed at it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "framework/VxSNMPRequest.h"
#include "framework/VxSNMPSession.h"
#include "platform/Exception.h"
#include "simstack/SimStackProcess.h"
#include "tests/support/ExceptionCodes.h"
#include "tests/support/TempFiles.h"

class AgentFixture : public ::testing::Test {
protected:
    // Starts the stack from a description text (empty: the default stack)
    // and starts the session with its boot counter file in a directory of
    // the test's own.
    void StartAgent(const std::string& description = {}, const std::vector<std::string>& arguments = {});
    void UseVersion(uint8_t version);
    void UseV3(const std::string& user, int authProtocol, const std::string& authPassword, int privProtocol,
               const std::string& privPassword, int level);

    std::unique_ptr<TempDir> Dir;
    std::unique_ptr<SimStackProcess> Stack;

    void TearDown() override;
};

// Pumps the event loop until `done` or `ms` milliseconds have passed.
bool PumpUntil(const std::function<bool()>& done, int ms = 10000);
