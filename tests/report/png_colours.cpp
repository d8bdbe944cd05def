// Checks a screenshot of a report page: every chart's colours are there, so every chart was
// drawn. Prints the count of pixels of each colour; fails when one is missing or too rare.
// Usage: png_colours SHOT.png [light|dark] [all|runs|evening]
// "runs" looks for the charts of a --runs page of several systems with a limit, "evening"
// for those of one evening's page; "all" (the default) for every chart of the sample page.

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "export/chart_colours.h"

namespace {

struct Rgb {
  int r, g, b;
};

Rgb Parse(std::string_view hex) {
  const unsigned value =
      static_cast<unsigned>(std::strtoul(std::string(hex.substr(1)).c_str(), nullptr, 16));
  return {static_cast<int>(value >> 16), static_cast<int>((value >> 8) & 0xff),
          static_cast<int>(value & 0xff)};
}

bool Read(const char* path, png_image& image, std::vector<unsigned char>& pixels) {
  image = {};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path)) return false;
  image.format = PNG_FORMAT_RGB;
  pixels.resize(PNG_IMAGE_SIZE(image));
  return png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s SHOT.png [light|dark] [all|runs|evening]\n", argv[0]);
    return 2;
  }
  png_image image;
  std::vector<unsigned char> pixels;
  if (!Read(argv[1], image, pixels)) {
    std::fprintf(stderr, "FAIL: cannot read %s\n", argv[1]);
    return 1;
  }
  namespace c = vellaro::chart_colour;
  // Areas and marks wide enough to keep their colour whole at any width.
  const std::vector<std::pair<const char*, std::string_view>> runs = {
      {"histogram bars", c::kBars},          {"fan, outer band", c::kOuterBand},
      {"fan, inner band", c::kInnerBand},    {"interval, estimate", c::kInterval},
      {"share curve, first", c::kSeries[0]}, {"share curve, second", c::kSeries[1]}};
  const std::vector<std::pair<const char*, std::string_view>> evening = {
      {"evening, won", c::kWon}, {"evening, lost", c::kLost}, {"evening, stake", c::kStake}};
  const std::string page = argc > 3 ? argv[3] : "all";
  std::vector<std::pair<const char*, std::string_view>> wanted;
  if (page != "evening") wanted = runs;
  if (page != "runs") wanted.insert(wanted.end(), evening.begin(), evening.end());
  if (page == "all") wanted.emplace_back("evening, reset or setting", c::kResetOrSetting);
  // The paper the charts are drawn on: white, or the dark scheme's.
  wanted.emplace_back("chart paper",
                      argc > 2 && std::string(argv[2]) == "dark" ? "#1e2125" : "#ffffff");
  bool all = true;
  for (const auto& [name, hex] : wanted) {
    const Rgb want = Parse(hex);
    long count = 0;
    for (size_t i = 0; i + 2 < pixels.size(); i += 3) {
      if (std::abs(pixels[i] - want.r) <= 6 && std::abs(pixels[i + 1] - want.g) <= 6 &&
          std::abs(pixels[i + 2] - want.b) <= 6) {
        ++count;
      }
    }
    const bool enough = count >= 12;
    all = all && enough;
    std::printf("%s %s (%.*s): %ld pixels\n", enough ? "ok  " : "FAIL", name,
                static_cast<int>(hex.size()), hex.data(), count);
  }
  std::printf("%ux%u\n", image.width, image.height);
  return all ? 0 : 1;
}
