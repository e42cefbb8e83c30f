// Shared set-up of the board simulator's tests: the simulator DLL registered from
// beside the test program, COM initialised as the programs do it (flags 0), and the
// simulator's configuration key written before and removed after each test.
#pragma once

#include <objbase.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace simtest {

// The folder of the running test program, with a trailing backslash.
std::wstring ProgramFolder();

// Calls one of the simulator's exports ("DllRegisterServer", ...) through LoadLibrary.
HRESULT CallSimulatorExport(const char* name);

// Writes "Boards" and "Fail" under HKLM "Software\CX840 Simulator" (32-bit view); a
// missing text leaves that value out.
void WriteSimulatorConfig(const std::optional<std::wstring>& boards,
                          const std::optional<std::wstring>& fail);
void RemoveSimulatorConfig();

// The folder of the test WAV files (from CX840_TEST_WAVS), with a trailing backslash;
// empty when the variable is not set.
std::wstring TestWavFolder();

class BoardSimulatorFixture : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    static HRESULT registration_;

  private:
    bool comInitialised_ = false;
};

}  // namespace simtest
