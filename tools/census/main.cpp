// vantrel-census: a survey of a seed range spread over the ranks of an MPI job. Rank 0 hands the range out in
// chunks and writes each finished chunk's verdict file at once; every other rank decides the chunks it is
// given on all its cores. A run that stops leaves whole chunk files only, and --resume skips them.
#include <mpi.h>
#include <sched.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <deque>
#include <filesystem>
#include <iostream>
#include <optional>
#include <thread>

#include "commands.h"
#include "json.h"
#include "platform/error.h"
#include "solver/survey.h"
#include "solver/verdict_file.h"
#include "solver_args.h"
#include "summary.h"
#include "table/decimal_text.h"

namespace vantrel::census {
namespace {

using cli::BadArgument;
using cli::MissingArgument;

constexpr std::uint64_t kDefaultChunkSeeds = std::uint64_t{1} << 20;

constexpr std::string_view kUsage =
    "vantrel-census takes --from S --count N --out FILE [--resume] [--chunks K] [--jobs J] [--max-nodes N] "
    "[--max-seconds T] [--max-memory MIB]";

std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");
extern "C" void OnStop(int) { g_stop.store(true); }

// Messages: a worker says it is ready, sends a chunk's verdicts, or says it was stopped before finishing
// one; rank 0 answers each with work or a stop.
enum Tag : int { kReady = 1, kResult, kStopped, kWork, kStop };

struct CensusArgs : cli::SurveyRunArgs {
  std::string out;
  std::uint64_t chunks = 0;
};

// The processors this process may run on (what Slurm or mpirun's binding left it), not all of the machine's.
int CpusAvailable() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

CensusArgs ParseArgs(std::span<const std::string_view> args) {
  CensusArgs parsed;
  std::string_view chunks_text;
  for (std::size_t i = 0; i < args.size();) {
    if (const std::size_t used = cli::ParseSurveyRunOption(args, i, parsed)) {
      i += used;
      continue;
    }
    const std::string_view option = args[i];
    if (option != "--out" && option != "--chunks") throw BadArgument(option, kUsage);
    const std::string_view value = cli::OptionValue(args, i);
    if (option == "--out") {
      if (value.empty()) throw BadArgument(value, "--out takes a file name");
      parsed.out = std::string(value);
    } else {
      const auto chunks = ParseDecimal(value, cli::kMaxSeed + 1);
      if (!chunks || *chunks == 0) throw BadArgument(value, "--chunks takes a whole number 1..N");
      parsed.chunks = *chunks;
      chunks_text = value;
    }
    i += 2;
  }
  cli::CheckSurveyRun(parsed);
  if (parsed.out.empty()) throw MissingArgument("--out FILE");
  const std::uint64_t count = *parsed.count;
  if (parsed.chunks > count) throw BadArgument(chunks_text, "--chunks K cannot exceed --count N");
  if (parsed.chunks == 0) parsed.chunks = (count + kDefaultChunkSeeds - 1) / kDefaultChunkSeeds;
  if (parsed.jobs == 0) parsed.jobs = CpusAvailable();
  return parsed;
}

std::string ChunkFolder(const CensusArgs& a) { return a.out + ".chunks"; }

// Chunk i of K is exactly what `vantrel-cli survey --from S --count N --shard i/K --verdicts` writes, so
// chunks may as well be decided one by one elsewhere (a Kubernetes Indexed Job) and picked up on --resume.
std::string ChunkPath(const CensusArgs& a, std::uint64_t i) {
  return ChunkFolder(a) + "/shard-" + std::to_string(i) + "-of-" + std::to_string(a.chunks) + ".verdicts";
}

solver::VerdictHeader ChunkHeader(const CensusArgs& a, std::uint64_t i) {
  const solver::SeedSpan span = solver::Shard(*a.count, {.i = i, .k = a.chunks});
  return solver::SurveyHeader(static_cast<std::uint32_t>(*a.from + span.offset), span.count,
                              a.Options(&g_stop));
}

// Decides chunk i on all of this process's cores; nothing when a stop came first.
std::optional<solver::VerdictFile> DecideChunk(const CensusArgs& a, std::uint64_t i) {
  solver::VerdictFile chunk(ChunkHeader(a, i));
  const std::uint32_t first = chunk.header().from;
  solver::SurveyOptions options = a.Options(&g_stop);
  options.limits.record_moves = false;  // a chunk keeps verdicts only
  const std::uint64_t decided = solver::RunSurvey(
      {.from = first, .count = chunk.header().count}, {}, options,
      [&](solver::DealResult&& r) { chunk.Set(r.seed - first, solver::CodeOf(r.verdict)); });
  if (decided < chunk.header().count) return std::nullopt;
  return chunk;
}

// Rank 0's record of the run: which chunks are left, what the finished ones hold, and the pace.
class Ledger {
 public:
  explicit Ledger(const CensusArgs& a) : a_(a) {}

  // Refuses to overwrite an earlier run unless resuming; on --resume takes every whole chunk file as done.
  void Start() {
    const std::string folder = ChunkFolder(a_);
    if (!a_.resume && (std::filesystem::exists(a_.out) || std::filesystem::exists(folder))) {
      throw Error(a_.out + " or " + folder +
                  " already exists: continue with --resume, or remove them to start over");
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw Error("cannot make the folder " + folder + ": " + error.message());
    for (std::uint64_t i = 1; i <= a_.chunks; ++i) {
      const std::string path = ChunkPath(a_, i);
      if (!std::filesystem::exists(path)) {
        todo_.push_back(i);
        continue;
      }
      const solver::VerdictFile chunk = solver::VerdictFile::Read(path);
      const solver::VerdictHeader wanted = ChunkHeader(a_, i);
      const solver::VerdictHeader& h = chunk.header();
      std::string why = solver::Mismatch(h, wanted);
      if (h.from != wanted.from || h.count != wanted.count) why = "another range";
      if (!why.empty()) throw Error(path + " does not belong to this census (" + why + "): move it away");
      const solver::Tally tally = chunk.Count();
      if (tally.total() < h.count) {  // a shard another program left half done
        todo_.push_back(i);
        continue;
      }
      before_ += tally;
      seeds_before_ += h.count;
    }
    std::cerr << "census: " << a_.chunks - todo_.size() << " of " << a_.chunks << " chunks already done, "
              << todo_.size() << " to decide\n";
  }

  std::optional<std::uint64_t> Next() {
    if (g_stop.load() || todo_.empty()) return std::nullopt;
    const std::uint64_t i = todo_.front();
    todo_.pop_front();
    ++running_;
    return i;
  }

  // A chunk that came back unfinished (its rank was stopped) goes back to the front of the queue.
  void Stopped(std::uint64_t i) {
    --running_;
    todo_.push_front(i);
  }

  void Finished(std::uint64_t i, solver::VerdictFile& chunk) {
    --running_;
    chunk.Save(ChunkPath(a_, i));
    seeds_ += chunk.header().count;
    const double seconds = Seconds();
    const double rate = seconds > 0 ? static_cast<double>(seeds_) / seconds : 0;
    const std::uint64_t left = *a_.count - seeds_before_ - seeds_;
    std::cerr << "census: chunk " << i << " of " << a_.chunks << " done, " << Done() << " of " << a_.chunks
              << "; " << static_cast<long long>(rate) << " deals/s; about "
              << (rate > 0 ? static_cast<long long>(static_cast<double>(left) / rate) : -1) << " s left\n";
  }

  std::uint64_t Done() const { return a_.chunks - todo_.size() - running_; }
  bool Complete() const { return todo_.empty() && running_ == 0; }
  const solver::Tally& before() const { return before_; }
  std::uint64_t seeds() const { return seeds_; }
  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  const CensusArgs& a_;
  std::deque<std::uint64_t> todo_;
  std::uint64_t running_ = 0;
  std::uint64_t seeds_before_ = 0;  // in the chunks done before this run
  std::uint64_t seeds_ = 0;         // in the chunks done by this run
  solver::Tally before_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

void Send(Tag tag, int to, const std::vector<std::uint8_t>& bytes) {
  MPI_Send(bytes.data(), static_cast<int>(bytes.size()), MPI_BYTE, to, tag, MPI_COMM_WORLD);
}

std::vector<std::uint8_t> Index(std::uint64_t i) {
  std::vector<std::uint8_t> bytes(sizeof i);
  std::memcpy(bytes.data(), &i, sizeof i);
  return bytes;
}

std::uint64_t IndexOf(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t i = 0;
  std::memcpy(&i, bytes.data(), sizeof i);
  return i;
}

// Rank 0 with workers: answers each worker's message with the next chunk or a stop, writing every finished
// chunk as it arrives. It polls rather than blocks, so it leaves the processor to the workers.
void Coordinate(Ledger& ledger, const CensusArgs& a, int ranks) {
  int active = ranks - 1;
  while (active > 0) {
    int waiting = 0;
    MPI_Status status;
    MPI_Iprobe(MPI_ANY_SOURCE, MPI_ANY_TAG, MPI_COMM_WORLD, &waiting, &status);
    if (!waiting) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      continue;
    }
    int size = 0;
    MPI_Get_count(&status, MPI_BYTE, &size);
    std::vector<std::uint8_t> message(static_cast<std::size_t>(size));
    MPI_Recv(message.data(), size, MPI_BYTE, status.MPI_SOURCE, status.MPI_TAG, MPI_COMM_WORLD,
             MPI_STATUS_IGNORE);
    if (status.MPI_TAG == kResult) {
      const std::uint64_t i = IndexOf(message);
      solver::VerdictFile chunk(ChunkHeader(a, i));
      if (message.size() != sizeof i + chunk.bytes().size())
        throw Error("a chunk arrived with the wrong size");
      std::copy(message.begin() + sizeof i, message.end(), chunk.bytes().begin());
      ledger.Finished(i, chunk);
    }
    // A rank that was stopped (Slurm signals every rank) is let go; the others carry on unless rank 0 was.
    const bool stopped = status.MPI_TAG == kStopped;
    if (stopped) ledger.Stopped(IndexOf(message));
    if (const auto next = stopped ? std::nullopt : ledger.Next()) {
      Send(kWork, status.MPI_SOURCE, Index(*next));
    } else {
      Send(kStop, status.MPI_SOURCE, {});
      --active;
    }
  }
}

// Rank 0 alone: decides the chunks itself.
void DecideAlone(Ledger& ledger, const CensusArgs& a, solver::Tally& tally) {
  while (const auto i = ledger.Next()) {
    std::optional<solver::VerdictFile> chunk = DecideChunk(a, *i);
    if (!chunk) {
      ledger.Stopped(*i);
      return;
    }
    tally += chunk->Count();
    ledger.Finished(*i, *chunk);
  }
}

// Any other rank: decides what rank 0 gives out until told to stop.
void Work(const CensusArgs& a, solver::Tally& tally) {
  Send(kReady, 0, {});
  for (;;) {
    std::vector<std::uint8_t> index(sizeof(std::uint64_t));
    MPI_Status status;
    MPI_Recv(index.data(), static_cast<int>(index.size()), MPI_BYTE, 0, MPI_ANY_TAG, MPI_COMM_WORLD, &status);
    if (status.MPI_TAG == kStop) return;
    const std::uint64_t i = IndexOf(index);
    std::optional<solver::VerdictFile> chunk = DecideChunk(a, i);
    if (!chunk) {
      Send(kStopped, 0, index);
      continue;
    }
    std::vector<std::uint8_t> message = index;
    message.insert(message.end(), chunk->bytes().begin(), chunk->bytes().end());
    Send(kResult, 0, message);
    tally += chunk->Count();
  }
}

int Run(const CensusArgs& a, int rank, int ranks) {
  std::optional<Ledger> ledger;
  int ready = 1;
  if (rank == 0) {
    try {
      ledger.emplace(a);
      ledger->Start();
    } catch (const Error& e) {
      std::cerr << "vantrel-census: " << cli::Printable(e.what()) << '\n';
      ready = 0;
    }
  }
  MPI_Bcast(&ready, 1, MPI_INT, 0, MPI_COMM_WORLD);
  if (!ready) return 1;

  solver::Tally mine;  // the chunks this rank decided and handed in
  if (rank != 0) {
    Work(a, mine);
  } else if (ranks == 1) {
    DecideAlone(*ledger, a, mine);
  } else {
    Coordinate(*ledger, a, ranks);
  }
  std::uint64_t counts[3] = {mine.winnable, mine.unwinnable, mine.unknown};
  std::uint64_t sums[3] = {0, 0, 0};
  MPI_Reduce(counts, sums, 3, MPI_UINT64_T, MPI_SUM, 0, MPI_COMM_WORLD);
  if (rank != 0) return 0;

  const solver::Tally this_run{sums[0], sums[1], sums[2]};
  solver::Tally tally = ledger->before();
  tally += this_run;
  if (ledger->Complete()) {
    std::vector<std::string> paths;
    for (std::uint64_t i = 1; i <= a.chunks; ++i) paths.push_back(ChunkPath(a, i));
    solver::VerdictFile all = solver::MergeVerdictFiles(paths, false);
    if (!(all.Count() == tally)) throw Error("the chunk files do not hold what the workers decided");
    all.Save(a.out);
  }
  const double seconds = ledger->Seconds();
  cli::Json j;
  j.BeginObject();
  cli::SummaryFields(j, *a.from, tally);
  j.Key("seconds").Value(seconds);
  j.Key("deals_per_second").Value(seconds > 0 ? static_cast<double>(ledger->seeds()) / seconds : 0.0);
  j.EndObject();
  std::cout << j.str() << '\n' << std::flush;
  if (!ledger->Complete()) {
    std::cerr << "vantrel-census: stopped with " << ledger->Done() << " of " << a.chunks
              << " chunks done; run it again with --resume to go on\n";
    return 130;
  }
  return 0;
}

}  // namespace
}  // namespace vantrel::census

int main(int argc, char** argv) {
  using namespace vantrel;
  int provided = 0;
  MPI_Init_thread(&argc, &argv, MPI_THREAD_FUNNELED, &provided);
  int rank = 0;
  int ranks = 1;
  MPI_Comm_rank(MPI_COMM_WORLD, &rank);
  MPI_Comm_size(MPI_COMM_WORLD, &ranks);
  int code = 0;
  try {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const census::CensusArgs parsed = census::ParseArgs(args);
    struct sigaction action {};
    action.sa_handler = census::OnStop;
    sigemptyset(&action.sa_mask);
    // SIGUSR1 is what mpirun passes on to every rank, and what the Slurm batch script asks for before the
    // time limit.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGUSR1}) sigaction(signal, &action, nullptr);
    code = census::Run(parsed, rank, ranks);
  } catch (const cli::UsageError& e) {
    if (rank == 0) std::cerr << "vantrel-census: " << cli::Printable(e.what()) << '\n';
    code = 2;
  } catch (const std::exception& e) {
    std::cerr << "vantrel-census: rank " << rank << ": " << cli::Printable(e.what()) << '\n';
    MPI_Abort(MPI_COMM_WORLD, 1);
  }
  MPI_Finalize();
  return code;
}
