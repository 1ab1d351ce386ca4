#include "tools/simulator/desktop/screen_pictures.h"

#include <cstdio>

#include "tools/simulator/desktop/words.h"
#include "tools/simulator/script/picture_rule.h"

namespace sim {
namespace {

std::string PictureName(int number, const Step& step) {
    std::string word = step.text.substr(0, step.text.find(' '));
    return Format("%02d-line%d-%s.png", number, step.line, word.c_str());
}

// The screenshot step's own words, else the step's comment, else the step itself.
std::string CaptionOf(const Step& step) {
    std::string caption;
    for (const std::string& word : step.words) caption += (caption.empty() ? "" : " ") + word;
    if (caption.empty()) caption = step.comment.empty() ? step.text : step.comment;
    return caption;
}

}  // namespace

ScreenPictures::ScreenPictures(std::string folder) : folder_(std::move(folder)) {
    if (!folder_.empty() && folder_.back() != '\\') folder_ += '\\';
}

bool ScreenPictures::Take(const Step& step, bool screenshot_follows, const capture::Pixels& screen,
                          std::string* name, std::string* caption) {
    if (folder_.empty() || !PictureWanted(step.kind, screenshot_follows, screen.rgb, last_picture_)) return false;
    last_picture_ = screen.rgb;
    *name = PictureName(++taken_, step);
    std::string error;
    if (!capture::WritePng(screen, folder_ + *name, error)) {
        std::fprintf(stderr, "kbsim: no picture: %s\n", error.c_str());
        return false;
    }
    *caption = CaptionOf(step);
    return true;
}

std::string ScreenPictures::WritePage(const DemoPage& page) const {
    if (folder_.empty()) return std::string();
    const std::string path = folder_ + "index.html";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return std::string();
    const std::string html = page.Html();
    const bool written = std::fwrite(html.data(), 1, html.size(), f) == html.size();
    return std::fclose(f) == 0 && written ? path : std::string();
}

}  // namespace sim
