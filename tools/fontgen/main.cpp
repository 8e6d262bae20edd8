// fontgen: writes the program's eight stroke fonts, fon1.chr..fon4.chr and
// sym1.chr..sym4.chr, from the Hershey fonts.
//   fontgen <folder of the Hershey .jhf files> <output folder>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "base/files.h"
#include "letters.h"
#include "signs.h"

namespace {

std::string Folder(std::string path) { return path.empty() || path.back() == '/' ? path : path + "/"; }

void Write(const std::string& path, const dornavik::tfontimage& image) {
  if (!dornavik::WriteFileAtomically(path, dornavik::StrokeFontBytes(image)))
    throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fontgen HERSHEY_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string hershey = Folder(argv[1]), out = Folder(argv[2]);
  const fontgen::ttextstyle styles[] = {
      {"fon1.chr", "SIMP", "Dornavik text font 1: simplex\r\n", "rowmans.jhf", false, 0},
      {"fon2.chr", "COMP", "Dornavik text font 2: complex\r\n", "timesr.jhf", true, 0},
      {"fon3.chr", "ITAL", "Dornavik text font 3: complex italic\r\n", "timesi.jhf", true, 0.2},
      {"fon4.chr", "SIMI", "Dornavik text font 4: simplex italic\r\n", "rowmans.jhf", false, 0.2},
  };
  try {
    for (const auto& style : styles) Write(out + style.file_name, fontgen::TextFontImage(style, hershey));
    for (int i = 1; i <= 4; ++i) Write(out + "sym" + std::to_string(i) + ".chr", fontgen::SignFontImage(i));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fontgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
