// Any argument vector for deal, play, solve and survey: the command ends with exit code 0 and one JSON object
// (which may spread over lines) on standard output, or with 2 (a malformed command line) or 1 (a failure) and
// one line on standard error. Never a crash or a hang: solve and survey are bounded here, since their
// searches may run for minutes.
//
// The input: its first byte picks the command, the rest are the arguments, separated by newlines (each cut at
// a NUL, as an argument vector cuts it). Bounds:
// at most 64 arguments; --count above 4 becomes 4 and --jobs becomes 1; every search gets "--max-nodes 2000
// --max-memory 4" after the fuzzed arguments (the last of a repeated option counts); --csv names a file in a
// folder of the harness's own, removed before each input.
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"

namespace {

[[noreturn]] void Broken(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "fuzz_cli: %s [%s]\n", what, detail.c_str());
  std::abort();
}

// A strict reader of one JSON value; false on anything that is not JSON.
class JsonCheck {
 public:
  explicit JsonCheck(std::string_view text) : s_(text) {}
  bool Object() {
    Space();
    return Value(0) && (Space(), at_ == s_.size());
  }

 private:
  void Space() {
    while (at_ < s_.size() && (s_[at_] == ' ' || s_[at_] == '\n')) ++at_;
  }
  bool Eat(char c) {
    Space();
    if (at_ < s_.size() && s_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  bool String() {
    if (!Eat('"')) return false;
    while (at_ < s_.size() && s_[at_] != '"') {
      const auto c = static_cast<unsigned char>(s_[at_++]);
      if (c < 0x20) return false;
      if (c == '\\') {
        if (at_ >= s_.size()) return false;
        const char e = s_[at_++];
        if (e == 'u') {
          if (s_.size() - at_ < 4) return false;
          at_ += 4;
        } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
          return false;
        }
      }
    }
    return Eat('"');
  }
  bool Value(int depth) {
    if (depth > 8) return false;
    Space();
    if (at_ >= s_.size()) return false;
    const char c = s_[at_];
    if (c == '{' || c == '[') {
      const char close = c == '{' ? '}' : ']';
      ++at_;
      if (Eat(close)) return true;
      do {
        if (c == '{' && !(String() && Eat(':'))) return false;
        if (!Value(depth + 1)) return false;
      } while (Eat(','));
      return Eat(close);
    }
    if (c == '"') return String();
    for (std::string_view word : {"true", "false", "null"}) {
      if (s_.substr(at_, word.size()) == word) {
        at_ += word.size();
        return true;
      }
    }
    const std::size_t start = at_;
    if (s_[at_] == '-') ++at_;
    while (at_ < s_.size() && std::string_view("0123456789.eE+-").find(s_[at_]) != std::string_view::npos)
      ++at_;
    return at_ > start && std::isdigit(static_cast<unsigned char>(s_[at_ - 1]));
  }
  std::string_view s_;
  std::size_t at_ = 0;
};

bool OneLine(const std::string& text) {
  return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The commands run in a folder of the harness's own, so that any file they write can be seen; it goes when
  // the fuzzer ends. (libFuzzer reads its corpus by relative paths: the folder is entered only for a run.)
  static std::string folder;
  static const std::filesystem::path home = std::filesystem::current_path();
  if (folder.empty()) {
    folder = (std::filesystem::temp_directory_path() / "vantrel-fuzz-cli-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) Broken("cannot make a folder", folder);
    std::atexit([] { std::filesystem::remove_all(folder); });
  }
  static const std::string csv = folder + "/survey.csv";
  if (size == 0) return 0;
  static const char* const kCommands[] = {"deal", "play", "solve", "survey"};
  const std::string command = kCommands[data[0] % 4];
  std::vector<std::string> args{"vantrel-cli", command};
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  while (!rest.empty() && args.size() < 66) {
    const std::size_t end = rest.find('\n');
    // An argument ends at its first NUL, as the program would see it.
    const std::string_view arg = rest.substr(0, end);
    args.emplace_back(arg.substr(0, arg.find('\0')));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  for (std::size_t i = 2; i + 1 < args.size(); ++i) {
    if (args[i] == "--count" && (args[i + 1].size() > 1 || args[i + 1] > "4")) args[i + 1] = "4";
    if (args[i] == "--jobs") args[i + 1] = "1";
    if (args[i] == "--csv") args[i + 1] = csv;
  }
  if (command == "solve" || command == "survey") {
    for (const char* bound : {"--max-nodes", "2000", "--max-memory", "4"}) args.emplace_back(bound);
  }
  std::filesystem::remove(csv);

  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::ostringstream out;
  std::ostringstream err;
  std::streambuf* const real_out = std::cout.rdbuf(out.rdbuf());
  std::streambuf* const real_err = std::cerr.rdbuf(err.rdbuf());
  std::filesystem::current_path(folder);
  const int code = vantrel::cli::Main(static_cast<int>(args.size()), argv.data());
  std::filesystem::current_path(home);
  std::cout.rdbuf(real_out);
  std::cerr.rdbuf(real_err);
  std::cout.clear();

  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path() != csv)
      Broken("a file written that was not named by --csv", entry.path().filename().string());
  }
  const std::string printed = out.str();
  std::string complaint = err.str();
  if (code == 0) {
    // The report may spread over lines; it is one object, and the output ends with the line's end.
    if (printed.empty() || printed[0] != '{' || printed.back() != '\n' || !JsonCheck(printed).Object()) {
      Broken("exit 0 without one JSON object", printed);
    }
  } else if (code == 1 || code == 2) {
    // A survey's progress may precede the message; the message is the last line.
    const std::size_t last = complaint.rfind('\n', complaint.size() >= 2 ? complaint.size() - 2 : 0);
    if (command == "survey" && code == 1 && last != std::string::npos) complaint = complaint.substr(last + 1);
    if (!printed.empty() || !OneLine(complaint) || complaint.rfind("vantrel-cli: ", 0) != 0) {
      Broken("a failure without one line on standard error", complaint);
    }
  } else {
    Broken("unexpected exit code", std::to_string(code));
  }
  return 0;
}
