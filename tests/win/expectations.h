// Expectations that every Windows test makes of a run of the launcher.
#pragma once

#include "sandbox.h"

#include <gtest/gtest.h>

#include <string>

// The program and all it started ended before the deadline, and the program said nothing by its exit code.
inline void ExpectCleanExit(const Outcome& outcome)
{
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0u);
}

// The editor was started once, shown, with exactly these parameters.
inline void ExpectOneLaunch(const Sandbox& box, const std::string& parameters)
{
    const std::vector<Record> records = box.Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].parameters, parameters);
    EXPECT_EQ(records[0].show, SW_SHOW);
}
