#include "base/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "base/text.h"

namespace dornavik {

namespace {

std::optional<std::string> g_program_folder;
std::optional<std::string> g_writable_folder;

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool MakeFolders(const std::string& folder) {
  for (size_t p = 1; p <= folder.size(); ++p) {
    if (p < folder.size() && folder[p] != '/') continue;
    std::string part = folder.substr(0, p);
    if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  return true;
}

}  // namespace

bool FileFound(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0;
}

void DeleteIfFound(const std::string& path) {
  if (FileFound(path)) std::remove(path.c_str());
}

std::string FindFileNoCase(const std::string& folder, std::string_view name) {
  std::string dir = folder.empty() ? std::string("./") : WithSlash(folder);
  std::string exact = dir + std::string(name);
  if (FileFound(exact)) return folder.empty() ? std::string(name) : exact;
  if (DIR* d = opendir(dir.c_str())) {
    std::string found;
    while (dirent* e = readdir(d)) {
      if (CompareTextWin(e->d_name, name) == 0) {
        found = e->d_name;
        break;
      }
    }
    closedir(d);
    if (!found.empty()) return folder.empty() ? found : dir + found;
  }
  return folder.empty() ? std::string(name) : exact;
}

std::string ResolveNoCase(const std::string& path) {
  tfilename f = SplitFileName(path);
  return FindFileNoCase(f.folder, f.name + f.extension);
}

std::string ProgramFolder() {
  if (g_program_folder) return *g_program_folder;
  if (const char* home = std::getenv("DORNAVIK_HOME"); home && *home) {
    g_program_folder = WithSlash(home);
  } else {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    std::string exe = n > 0 ? std::string(buf, n) : std::string("./");
    g_program_folder = exe.substr(0, exe.find_last_of('/') + 1);
  }
  return *g_program_folder;
}

std::string WritableFolder() {
  if (g_writable_folder) return *g_writable_folder;
  std::string program = ProgramFolder();
  if (access(program.c_str(), W_OK) == 0) {
    g_writable_folder = program;
  } else {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string base = xdg && *xdg ? std::string(xdg) : std::string(home ? home : "/tmp") + "/.config";
    std::string folder = WithSlash(base) + "dornavik/";
    MakeFolders(folder);
    g_writable_folder = folder;
  }
  return *g_writable_folder;
}

void ResetFolders() {
  g_program_folder.reset();
  g_writable_folder.reset();
}

bool WriteFileAtomically(const std::string& path, std::string_view data) {
  std::string temp = path + ".tmp" + std::to_string(getpid());
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  const char* p = data.data();
  size_t left = data.size();
  while (left > 0) {
    ssize_t n = write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      int saved = errno;
      close(fd);
      unlink(temp.c_str());
      errno = saved;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  bool ok = fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (!ok || rename(temp.c_str(), path.c_str()) != 0) {
    int saved = errno;
    unlink(temp.c_str());
    errno = saved;
    return false;
  }
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& data) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  data = ss.str();
  return !in.bad();
}

}  // namespace dornavik
