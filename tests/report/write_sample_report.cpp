// Writes the sample report page to the file named by its argument, and with a second
// argument "--fetch" a page that tries to fetch a picture over the network: the browser
// check proves with it that a fetch would be seen.

#include <fstream>
#include <iostream>
#include <string>

#include "export/report_page.h"
#include "sample_report.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: " << argv[0] << " PAGE.html [--fetch]\n";
    return 2;
  }
  vellaro::ReportPage page = vellaro::sample::SamplePage();
  std::string html = vellaro::ReportHtml(page);
  if (argc > 2 && std::string(argv[2]) == "--fetch") {
    html.replace(html.find("<h1>"), 0, R"(<img src="http://127.0.0.1:9/fetched.png" alt="">)");
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << html;
  return out.good() ? 0 : 1;
}
