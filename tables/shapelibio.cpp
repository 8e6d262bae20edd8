#include "tables/shapelibio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace dornavik {

namespace {

thread_local const std::string* t_path = nullptr;
thread_local std::string t_error;

bool EndsWithNoCase(const char* name, const char* tail) {
  size_t n = std::strlen(name), m = std::strlen(tail);
  return n >= m && strcasecmp(name + n - m, tail) == 0;
}

SAFile RedirectedOpen(const char* filename, const char* access) {
  if (t_path && EndsWithNoCase(filename, ".dbf"))
    return reinterpret_cast<SAFile>(std::fopen(t_path->c_str(), access));
  // Code-page companions (".cpg") are neither read nor written: the language
  // driver byte is what counts for these tables.
  return nullptr;
}

int RedirectedRemove(const char*) { return 0; }

void CollectError(const char* message) {
  if (!t_error.empty()) t_error += "; ";
  t_error += message;
}

SAHooks Hooks() {
  SAHooks hooks;
  SASetupDefaultHooks(&hooks);
  hooks.FOpen = RedirectedOpen;
  hooks.Remove = RedirectedRemove;
  hooks.Error = CollectError;
  return hooks;
}

struct tpathscope {
  explicit tpathscope(const std::string& path) { t_path = &path; }
  ~tpathscope() { t_path = nullptr; }
};

}  // namespace

std::string TakeShapelibError() {
  std::string e;
  e.swap(t_error);
  return e;
}

DBFHandle OpenShapelibDbf(const std::string& path, bool writable, std::string& error) {
  SAHooks hooks = Hooks();
  tpathscope scope(path);
  TakeShapelibError();
  DBFHandle h = DBFOpenLL(path.c_str(), writable ? "rb+" : "rb", &hooks);
  error = TakeShapelibError();
  if (!h && error.empty()) error = std::strerror(errno);
  return h;
}

DBFHandle CreateShapelibDbf(const std::string& path, const std::vector<tdbffield>& fields,
                            std::string& error) {
  SAHooks hooks = Hooks();
  tpathscope scope(path);
  TakeShapelibError();
  DBFHandle h = DBFCreateLL(path.c_str(), "LDID/142", &hooks);
  if (h) {
    for (const tdbffield& f : fields) {
      if (DBFAddNativeFieldType(h, f.name.c_str(), f.type, f.width, f.decimals) < 0) {
        DBFClose(h);
        h = nullptr;
        break;
      }
    }
  }
  error = TakeShapelibError();
  if (!h && error.empty()) error = std::strerror(errno);
  return h;
}

}  // namespace dornavik
