#include "record/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "record/SjisText.h"

namespace tesmor {

ReadStatus ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadStatus::NotFound : ReadStatus::Unreadable;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return ReadStatus::Unreadable;
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return ReadStatus::NotARegularFile;
  }
  if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
    ::close(fd);
    return ReadStatus::TooLarge;
  }
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      bytes.clear();
      return ReadStatus::Unreadable;
    }
    if (n == 0) break;
    if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
      ::close(fd);
      bytes.clear();
      return ReadStatus::TooLarge;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return ReadStatus::Ok;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
  std::string temp = path + ".tmpXXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  bool ok = true;
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  // Keep the permissions of an existing file; new files get the usual rw-r--r--
  // (subject to the umask).
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    ::fchmod(fd, st.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  if (::close(fd) != 0) ok = false;
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) ok = false;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

bool LineSource::NextPiece(std::string_view& piece, int maxWidth) {
  if (pos_ >= text_.size()) return false;
  if (maxWidth < 1) maxWidth = 1;
  const std::size_t start = pos_;
  int width = 0;
  std::size_t p = pos_;
  while (p < text_.size()) {
    const auto c = static_cast<unsigned char>(text_[p]);
    if (c < 0x80) {
      if (width + 1 > maxWidth) break;
      ++width;
      ++p;
      if (c == '\n') break;
      continue;
    }
    const int w = SjisCharWidthAt(text_, p);
    if (width + w > maxWidth) break;
    width += w;
    p += Utf8SequenceLength(text_, p);
  }
  if (p == start) p += Utf8SequenceLength(text_, p);  // a character wider than the limit
  piece = text_.substr(start, p - start);
  pos_ = p;
  return true;
}

bool LineSource::NextLine(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t nl = text_.find('\n', pos_);
  const std::size_t end = nl == std::string_view::npos ? text_.size() : nl + 1;
  line = StripLineEnd(text_.substr(pos_, end - pos_));
  pos_ = end;
  return true;
}

std::string_view StripLineEnd(std::string_view line) {
  if (line.size() >= 2 && line.substr(line.size() - 2) == "\r\n") return line.substr(0, line.size() - 2);
  if (!line.empty() && line.back() == '\n') return line.substr(0, line.size() - 1);
  return line;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return {};
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace tesmor
