#pragma once

#include <string_view>

namespace korvelin {

// Where the core's messages go: the window shows each in the ordinary message
// box (modal, one OK button); tests record them. Every call is one box.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(std::string_view text) = 0;
};

} // namespace korvelin
