#pragma once

#include "util/MessageSink.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvelin::test {

// Collects the messages a test provokes instead of showing boxes.
class RecordingMessageSink : public MessageSink {
  public:
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

} // namespace korvelin::test
