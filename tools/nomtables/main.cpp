// nomtables FOLDER SOURCE...: writes FOLDER/<NAME>.DBF from each text source.
#include <cstdio>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/host.h"
#include "tables/nomtables.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: nomtables FOLDER/ SOURCE.txt...\n");
    return 2;
  }
  dornavik::tconsolehost host;
  try {
    for (int i = 2; i < argc; ++i) dornavik::BuildNomenclatureTable(host, argv[i], argv[1]);
  } catch (const dornavik::terror& e) {
    std::fprintf(stderr, "nomtables: %s\n", dornavik::WindowsToUtf8(e.what()).c_str());
    return 1;
  }
  return 0;
}
