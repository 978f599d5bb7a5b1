#pragma once
// Helpers shared by the units database tests.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "units/runtime_problem.h"

namespace zentra::testing {

// Names a parameterised case after the name field of its parameter.
struct CaseName {
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& test) const {
        return test.param.name;
    }
};

// Collects runtime-problem messages instead of printing them, for the scope.
class CapturedProblems {
public:
    CapturedProblems()
        : previous_(setRuntimeProblemPresenter(
              [this](const std::string& message) { messages.push_back(message); })) {}
    ~CapturedProblems() { setRuntimeProblemPresenter(previous_); }
    CapturedProblems(const CapturedProblems&) = delete;
    CapturedProblems& operator=(const CapturedProblems&) = delete;

    std::vector<std::string> messages;

private:
    RuntimeProblemPresenter previous_;
};

}  // namespace zentra::testing
