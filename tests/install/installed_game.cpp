#include "tests/install/installed_game.h"

#include <SDL.h>
#include <stdlib.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

InstalledGame::InstalledGame() {
  std::string pattern = (fs::temp_directory_path() / "shooter-install-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  prefix_ = root_ / "My Games";
  const std::string command = ShellQuoted(CMAKE_COMMAND) + " --install " +
                              ShellQuoted(SHOOTER_BUILD_FOLDER) + " --prefix " +
                              ShellQuoted(prefix_.string()) + " >/dev/null";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

InstalledGame::~InstalledGame() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::map<std::string, std::string> ReadDesktopEntry(const fs::path& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::map<std::string, std::string> keys;
  bool inMainGroup = false;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      inMainGroup = line == "[Desktop Entry]";
      continue;
    }
    const auto equals = line.find('=');
    if (!inMainGroup || equals == std::string::npos) continue;
    std::string value;
    for (std::size_t i = equals + 1; i < line.size(); ++i) {
      if (line[i] != '\\' || i + 1 == line.size()) {
        value += line[i];
        continue;
      }
      const char escaped = line[++i];
      value += escaped == 's' ? ' ' : escaped == 'n' ? '\n' : escaped == 't' ? '\t'
             : escaped == 'r' ? '\r' : escaped;
    }
    keys[line.substr(0, equals)] = value;
  }
  return keys;
}

std::string ExecProgram(const std::string& exec) {
  std::string program;
  bool quoted = false;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (quoted && c == '\\' && i + 1 < exec.size()) {
      program += exec[++i];
    } else if (!quoted && c == ' ') {
      break;
    } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
      program += exec[++i];
    } else {
      program += c;
    }
  }
  return program;
}

RgbaPicture ReadBmp(const fs::path& path) {
  SDL_Surface* read = SDL_LoadBMP(path.c_str());
  if (!read) throw std::runtime_error("cannot read " + path.string() + ": " + SDL_GetError());
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(read, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(read);
  if (!rgba) throw std::runtime_error(SDL_GetError());
  RgbaPicture picture{rgba->w, rgba->h, {}};
  for (int y = 0; y < rgba->h; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
    picture.rgba.insert(picture.rgba.end(), row, row + rgba->w * 4);
  }
  SDL_FreeSurface(rgba);
  return picture;
}

RgbaPicture ReadPng(const fs::path& path) {
  // A PAM file: a short text header with the size, then the RGBA bytes.
  const std::string command = "convert " + ShellQuoted("png:" + path.string()) +
                              " -alpha set -depth 8 pam:-";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run: " + command);
  std::string bytes;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) bytes.append(buffer, n);
  if (pclose(pipe) != 0) throw std::runtime_error("failed: " + command);

  const auto headerEnd = bytes.find("ENDHDR\n");
  if (bytes.rfind("P7\n", 0) != 0 || headerEnd == std::string::npos)
    throw std::runtime_error("not a PAM picture from: " + command);
  std::istringstream header(bytes.substr(3, headerEnd - 3));
  RgbaPicture picture;
  int depth = 0;
  for (std::string key; header >> key;) {
    if (key == "WIDTH") header >> picture.width;
    else if (key == "HEIGHT") header >> picture.height;
    else if (key == "DEPTH") header >> depth;
    else header.ignore(1 << 10, '\n');
  }
  const std::size_t size = static_cast<std::size_t>(picture.width) * picture.height * 4;
  if (depth != 4 || bytes.size() - (headerEnd + 7) != size)
    throw std::runtime_error("unexpected PAM layout from: " + command);
  picture.rgba.assign(bytes.begin() + static_cast<std::ptrdiff_t>(headerEnd + 7), bytes.end());
  return picture;
}
