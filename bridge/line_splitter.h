#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace veltrix::bridge {

// Cuts a byte stream into lines. A line ends at LF; a CR right before the LF
// is dropped, so the consumer sees the text only.
class LineSplitter {
public:
    using LineHandler = std::function<void(std::string_view)>;

    explicit LineSplitter(LineHandler onLine);

    void feed(std::string_view bytes);
    // Hands over an unterminated last line, if any (call at end of stream).
    void finish();

private:
    LineHandler m_onLine;
    std::string m_pending;
};

} // namespace veltrix::bridge
