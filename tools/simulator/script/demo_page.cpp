#include "tools/simulator/script/demo_page.h"

namespace sim {

std::string HtmlText(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

void DemoPage::Heading(const std::string& text) { entries_.push_back({Entry::kHeading, text, "", 0}); }

void DemoPage::ContinueHeading(const std::string& text) {
    if (entries_.empty() || entries_.back().kind != Entry::kHeading) return Heading(text);
    entries_.back().text += " " + text;
}

void DemoPage::Step(int line, const std::string& text, const std::string& comment) {
    entries_.push_back({Entry::kStep, text, comment, line});
}

void DemoPage::Reply(const std::string& text) { entries_.push_back({Entry::kReply, text, "", 0}); }

void DemoPage::Picture(const std::string& file, const std::string& caption) {
    entries_.push_back({Entry::kPicture, file, caption, 0});
}

std::string DemoPage::Html() const {
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + HtmlText(title_) +
                       "</title>\n<style>body{font-family:sans-serif;max-width:1100px;margin:auto}"
                       "pre{margin:0 0 0 2em;color:#333}.step{margin-top:1em;font-weight:bold}"
                       ".comment{font-weight:normal;color:#666}img{border:1px solid #888;max-width:100%}"
                       "figure{margin:0.5em 0 1em 2em}</style></head>\n<body>\n<h1>" +
                       HtmlText(title_) + "</h1>\n";
    for (const Entry& entry : entries_) {
        switch (entry.kind) {
        case Entry::kHeading:
            html += "<h2>" + HtmlText(entry.text) + "</h2>\n";
            break;
        case Entry::kStep:
            html += "<div class=\"step\">" + std::to_string(entry.line) + ": " + HtmlText(entry.text);
            if (!entry.extra.empty()) html += " <span class=\"comment\"># " + HtmlText(entry.extra) + "</span>";
            html += "</div>\n";
            break;
        case Entry::kReply:
            html += "<pre>" + HtmlText(entry.text) + "</pre>\n";
            break;
        case Entry::kPicture:
            html += "<figure><img src=\"" + HtmlText(entry.text) + "\" alt=\"" + HtmlText(entry.extra) +
                    "\"><figcaption>" + HtmlText(entry.extra) + "</figcaption></figure>\n";
            break;
        }
    }
    return html + "</body></html>\n";
}

}  // namespace sim
