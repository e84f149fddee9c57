// Reading title, artist, album, track and year from 2,000 files that each carry a cover
// picture of 100-300 KB in front of the text frames: this reader, TagLib, and
// the least any reader must do, in one run. The least, per file: open, read
// the first 4 KiB, read 4 KiB where the frame after the first one starts
// (the text frames behind the picture), read the last 128 bytes, close.
// First in this process, then as whole processes that each read the set ten
// times: corvane-tags against a child doing the least and a child using
// TagLib, by their cpu time. Then the peak memory of each reader, in a child
// process per reader, for small and for large pictures.
//
//   corvane-bench [--files=DIR] [Google Benchmark flags]
//   corvane-bench --read-all=ours|taglib|floor FILE...   (the children)

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <taglib/mpegfile.h>
#include <taglib/tag.h>

#include "platform/text.h"
#include "support/id3_builder.h"
#include "tracks/read_track_tags.h"

namespace {

namespace fs = std::filesystem;
using test_support::Bytes;
using test_support::Frame;

constexpr int kFileCount = 2000;

struct BenchFile {
  std::string path;
  std::u16string path16;
};

Bytes Picture(std::size_t size) {
  return test_support::Concat({Bytes{0x00}, test_support::ToBytes("image/jpeg"),
                               Bytes{0x00, 0x03, 0x00}, test_support::FakeAudio(size)});
}

Bytes SongFile(int index, std::size_t pictureSize) {
  const std::string n = std::to_string(index);
  const auto text = [](const std::string& s) {
    return test_support::TextBody(0x00, test_support::ToBytes(s));
  };
  test_support::TagOptions options;  // ID3v2.3: plain frame sizes
  options.padding = 512;
  const Bytes tag = test_support::Id3v2(
      {Frame{"APIC", Picture(pictureSize)}, Frame{"TIT2", text("Title " + n)},
       Frame{"TPE1", text("Artist " + n)}, Frame{"TALB", text("Album " + n)},
       Frame{"TRCK", text(std::to_string(1 + index % 12) + "/12")}, Frame{"TYER", text("2003")}},
      options);
  return test_support::Concat({tag, test_support::FakeAudio(8192)});
}

std::vector<BenchFile> MakeFiles(const fs::path& dir, int count, std::size_t minPicture,
                                 std::size_t maxPicture) {
  fs::create_directories(dir);
  std::mt19937 random(20110417);
  std::uniform_int_distribution<std::size_t> pictureSize(minPicture, maxPicture);
  std::vector<BenchFile> files;
  for (int i = 0; i < count; ++i) {
    const fs::path path = dir / ("song-" + std::to_string(i) + ".mp3");
    const Bytes bytes = SongFile(i, pictureSize(random));
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
      std::perror(path.c_str());
      std::exit(1);
    }
    std::fclose(file);
    files.push_back({path.string(), platform::Utf8ToUtf16(path.string())});
  }
  return files;
}

std::size_t ReadOurs(const BenchFile& file) {
  const TrackTagsResult result = ReadTrackTags(file.path16);
  return result.kept
             ? result.entry.title->size() + result.entry.artist->size() + result.entry.album->size()
             : 0;
}

std::size_t ReadTagLib(const BenchFile& file) {
  TagLib::MPEG::File mpeg(file.path.c_str(), false);
  if (!mpeg.isValid() || mpeg.tag() == nullptr) return 0;
  const TagLib::Tag& tag = *mpeg.tag();
  return tag.title().size() + tag.artist().size() + tag.album().size();
}

// The least any reader must do, in as few system calls as the system allows.
std::size_t ReadFloor(const BenchFile& file) {
  const int fd = open(file.path.c_str(), O_RDONLY);
  if (fd < 0) return 0;
  unsigned char head[4096], next[4096], tail[128];
  const ssize_t headLength = pread(fd, head, sizeof head, 0);
  std::size_t got = headLength > 0 ? static_cast<std::size_t>(headLength) : 0;
  if (got >= 20) {
    // ID3v2.3: the first frame's plain size after the 10-byte tag header.
    const std::size_t first = (std::size_t{head[14]} << 24) | (std::size_t{head[15]} << 16) |
                              (std::size_t{head[16]} << 8) | head[17];
    const std::size_t second = 20 + first;
    if (second + 10 > got) {
      const ssize_t n = pread(fd, next, sizeof next, static_cast<off_t>(second));
      if (n > 0) got += static_cast<std::size_t>(n);
    }
  }
  const off_t size = lseek(fd, 0, SEEK_END);
  if (size >= 128) {
    const ssize_t n = pread(fd, tail, sizeof tail, size - 128);
    if (n > 0) got += static_cast<std::size_t>(n);
  }
  close(fd);
  return got;
}

using Reader = std::size_t (*)(const BenchFile&);
const std::map<std::string, Reader> kReaders = {
    {"ours", ReadOurs}, {"taglib", ReadTagLib}, {"floor", ReadFloor}};

std::vector<BenchFile> benchFiles;

void ReadAll(benchmark::State& state, Reader read) {
  for (auto _ : state) {
    std::size_t total = 0;
    for (const BenchFile& file : benchFiles) total += read(file);
    if (total == 0) state.SkipWithError("nothing read");
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(benchFiles.size()));
}

// Keeps each benchmark's time per run of all files, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        Mean& mean = means_[run.run_name.function_name];
        mean.sum += run.real_accumulated_time / static_cast<double>(run.iterations);
        mean.count += 1;
      }
    }
  }
  // Seconds per run over all files, the mean of the repetitions.
  double Seconds(const std::string& name) {
    const Mean& mean = means_[name];
    return mean.count > 0 ? mean.sum / mean.count : 0;
  }

 private:
  struct Mean {
    double sum = 0;
    int count = 0;
  };
  std::map<std::string, Mean> means_;
};

int ReadAllChild(const std::string& reader, int count, char** paths) {
  const auto found = kReaders.find(reader);
  if (found == kReaders.end()) return 2;
  std::size_t total = 0;
  for (int i = 0; i < count; ++i)
    total += found->second({paths[i], platform::Utf8ToUtf16(paths[i])});
  return total > 0 ? 0 : 1;
}

struct ChildUse {
  double cpuSeconds = -1;
  long peakRssKb = -1;
};

double Seconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Runs a program over the paths with its output thrown away; what it used.
ChildUse RunChild(const std::vector<std::string>& command, const std::vector<std::string>& paths) {
  std::vector<char*> argv;
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  for (const std::string& path : paths) argv.push_back(const_cast<char*>(path.c_str()));
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDOUT_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  ChildUse use;
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return use;
  }
  use.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  use.peakRssKb = usage.ru_maxrss;
  return use;
}

std::vector<std::string> PathsOf(const std::vector<BenchFile>& files, int times) {
  std::vector<std::string> paths;
  for (int i = 0; i < times; ++i) {
    for (const BenchFile& file : files) paths.push_back(file.path);
  }
  return paths;
}

std::vector<std::string> FilesIn(const fs::path& dir) {
  std::vector<std::string> paths;
  for (const auto& entry : fs::directory_iterator(dir)) paths.push_back(entry.path().string());
  return paths;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strncmp(argv[1], "--read-all=", 11) == 0)
    return ReadAllChild(argv[1] + 11, argc - 2, argv + 2);

  fs::path dir = fs::temp_directory_path() / "corvane-bench";
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--files=", 8) == 0) {
      dir = argv[i] + 8;
    } else {
      args.push_back(argv[i]);
    }
  }
  int benchArgc = static_cast<int>(args.size());
  benchmark::Initialize(&benchArgc, args.data());

  std::printf("Writing %d files with 100-300 KB pictures into %s\n", kFileCount, dir.c_str());
  fs::remove_all(dir);
  benchFiles = MakeFiles(dir / "covers", kFileCount, 100 * 1024, 300 * 1024);

  benchmark::RegisterBenchmark("ours", ReadAll, ReadOurs)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("taglib", ReadAll, ReadTagLib)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("floor", ReadAll, ReadFloor)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  const double ours = reporter.Seconds("ours"), taglib = reporter.Seconds("taglib"),
               floor = reporter.Seconds("floor");
  if (ours > 0 && floor > 0 && taglib > 0) {
    std::printf("\nper file: ours %.2f us, taglib %.2f us, floor %.2f us\n",
                ours / kFileCount * 1e6, taglib / kFileCount * 1e6, floor / kFileCount * 1e6);
    std::printf("ours/floor = %.2f (goal <= 2)   taglib/ours = %.2f (goal >= 3)\n", ours / floor,
                taglib / ours);
  }

  // Whole processes, each reading the set ten times: the command-line tool
  // against children doing the least and using TagLib, by cpu time (user
  // and system), the median of seven interleaved rounds.
  const std::string self = fs::canonical("/proc/self/exe").string();
  const std::vector<std::string> tenTimes = PathsOf(benchFiles, 10);
  std::vector<double> toolTimes, floorTimes, taglibTimes;
  for (int round = 0; round < 7; ++round) {
    toolTimes.push_back(RunChild({CORVANE_TAGS_TOOL}, tenTimes).cpuSeconds);
    floorTimes.push_back(RunChild({self, "--read-all=floor"}, tenTimes).cpuSeconds);
    taglibTimes.push_back(RunChild({self, "--read-all=taglib"}, tenTimes).cpuSeconds);
  }
  const double tool = Median(toolTimes), least = Median(floorTimes), tagLib = Median(taglibTimes);
  std::printf(
      "\ncpu time of a process reading the set ten times (median of 7)\n"
      "corvane-tags %.3f s, floor %.3f s, taglib %.3f s\n",
      tool, least, tagLib);
  if (tool > 0 && least > 0 && tagLib > 0) {
    std::printf(
        "corvane-tags/floor = %.2f (goal <= 1.5)   taglib/corvane-tags = %.2f (goal >= 7)\n",
        tool / least, tagLib / tool);
  }

  // Memory must not follow the picture size: the same reading over 50 files
  // with 10 KB pictures and over 50 with 8 MB pictures.
  const fs::path small = dir / "small", large = dir / "large";
  MakeFiles(small, 50, 10 * 1024, 10 * 1024);
  MakeFiles(large, 50, 8 * 1024 * 1024, 8 * 1024 * 1024);
  std::printf("\npeak RSS of a process reading 50 files (KiB)\n%-8s %14s %14s\n", "reader",
              "10 KB pictures", "8 MB pictures");
  for (const char* reader : {"ours", "taglib", "floor"}) {
    const std::string arg = std::string("--read-all=") + reader;
    std::printf("%-8s %14ld %14ld\n", reader, RunChild({self, arg}, FilesIn(small)).peakRssKb,
                RunChild({self, arg}, FilesIn(large)).peakRssKb);
  }
  fs::remove_all(dir);
  benchmark::Shutdown();
  return 0;
}
