// The demo's one page: every step of a session in order, with what the system did in reply and
// the pictures of the screen taken on the way. Portable: no platform headers.
#pragma once

#include <string>
#include <vector>

namespace sim {

class DemoPage {
public:
    explicit DemoPage(std::string title) : title_(std::move(title)) {}

    void Heading(const std::string& text);
    // One more line of the last heading.
    void ContinueHeading(const std::string& text);
    // A step as the session file writes it, with its comment.
    void Step(int line, const std::string& text, const std::string& comment);
    // What the system did in reply to the last step.
    void Reply(const std::string& text);
    // A picture file beside the page, shown after the last step's replies.
    void Picture(const std::string& file, const std::string& caption);

    std::string Html() const;

private:
    struct Entry {
        enum Kind { kHeading, kStep, kReply, kPicture } kind;
        std::string text;
        std::string extra;  // the step's comment, or the picture's caption
        int line;
    };
    std::string title_;
    std::vector<Entry> entries_;
};

// The text with &, <, > and " written as HTML entities.
std::string HtmlText(const std::string& text);

}  // namespace sim
