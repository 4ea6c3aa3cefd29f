#pragma once

#include "RecordingPlatform.h"
#include "ui/MainForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace korvelin::test {

// A freshly created window (not shown) with recorded platform services.
class FormFixture : public testing::Test {
  protected:
    RecordingPlatform platform;
    std::unique_ptr<MainForm> form = CreateMainForm(platform);
};

} // namespace korvelin::test
