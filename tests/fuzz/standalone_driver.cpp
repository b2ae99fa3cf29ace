// The main of a fuzz target built without libFuzzer (g++, or the sanitized
// g++ build). It replays every file named on the command line (directories
// are walked), then runs a reproducible pseudo-random series: half of the
// inputs are random bytes, half are the replayed files with a few bytes
// flipped, inserted or cut, so that the series stays near valid input.
//
//   target [-runs=N] [-seed=N] [file or directory]...
//
// A failed check inside the target aborts; the input being run is then
// written to "crash-standalone" in the working directory, for replay.
#include <dirent.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Input = std::vector<std::uint8_t>;

const Input* g_current = nullptr;

void SaveCurrentInput(int signal) {
  if (g_current) {
    if (std::FILE* file = std::fopen("crash-standalone", "wb")) {
      std::fwrite(g_current->data(), 1, g_current->size(), file);
      std::fclose(file);
    }
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void Run(const Input& input) {
  g_current = &input;
  LLVMFuzzerTestOneInput(input.data(), input.size());
  g_current = nullptr;
}

void Collect(const std::string& path, std::vector<Input>& inputs) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    std::fprintf(stderr, "standalone driver: no file or folder %s\n", path.c_str());
    std::exit(2);
  }
  if (S_ISDIR(info.st_mode)) {
    if (DIR* dir = opendir(path.c_str())) {
      while (dirent* entry = readdir(dir))
        if (entry->d_name[0] != '.') Collect(path + "/" + entry->d_name, inputs);
      closedir(dir);
    }
    return;
  }
  std::ifstream in(path, std::ios::binary);
  inputs.emplace_back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Input Mutate(Input input, std::mt19937& random) {
  const int edits = 1 + static_cast<int>(random() % 8);
  for (int i = 0; i < edits; ++i) {
    const std::size_t at = input.empty() ? 0 : random() % (input.size() + 1);
    const auto byte = static_cast<std::uint8_t>(random());
    switch (random() % 3) {
      case 0:
        if (at < input.size()) input[at] = byte;
        break;
      case 1:
        input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), byte);
        break;
      default:
        if (at < input.size()) input.erase(input.begin() + static_cast<std::ptrdiff_t>(at));
        break;
    }
  }
  return input;
}

}  // namespace

int main(int argc, char** argv) {
  long runs = 3000;
  unsigned seed = 12345;
  std::vector<Input> corpus;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "-runs=", 6) == 0)
      runs = std::strtol(argv[i] + 6, nullptr, 10);
    else if (std::strncmp(argv[i], "-seed=", 6) == 0)
      seed = static_cast<unsigned>(std::strtoul(argv[i] + 6, nullptr, 10));
    else
      Collect(argv[i], corpus);
  }
  std::signal(SIGABRT, SaveCurrentInput);
  std::signal(SIGSEGV, SaveCurrentInput);

  for (const Input& input : corpus) Run(input);
  std::mt19937 random(seed);
  for (long run = 0; run < runs; ++run) {
    if (!corpus.empty() && run % 2 == 0) {
      Run(Mutate(corpus[random() % corpus.size()], random));
      continue;
    }
    Input input(random() % 600);
    for (std::uint8_t& b : input) b = static_cast<std::uint8_t>(random());
    Run(input);
  }
  std::printf("%s: %zu corpus files and %ld generated inputs passed\n", argv[0], corpus.size(),
              runs);
  return 0;
}
