// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchRun.h"

#include "base/VisibleText.h"
#include "chart/BatchFile.h"
#include "chart/Text.h"
#include "cli/ExitCodes.h"
#include "cli/FailureWords.h"
#include "cli/OneChart.h"
#include "cli/PictureFiles.h"
#include "cli/PngPicture.h"
#include "report/AafFile.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tessaline::cli {

namespace {

// Rows in flight per worker: read ahead, charted, or waiting to be written in their turn. Memory stays that
// of a few hundred rows, whatever the length of the batch.
constexpr std::size_t kRowsPerWorker = 64;

// The workers an address-space limit (ulimit -v) leaves room for, at most wanted: each takes a thread's stack
// and a few megabytes for its chart and rows in flight, and half the room left is kept for the rest of the run.
// A worker the system cannot start is also left out (RowPipeline), but one started into too little memory
// would stop the run.
std::size_t WorkersThatFit(std::size_t wanted)
{
    rlimit space{};
    if (::getrlimit(RLIMIT_AS, &space) != 0 || space.rlim_cur == RLIM_INFINITY)
        return wanted;
    rlimit stack{};
    constexpr std::size_t kMegabyte = std::size_t{1} << 20U;
    std::size_t stackBytes = 8 * kMegabyte; // the threads' default
    if (::getrlimit(RLIMIT_STACK, &stack) == 0 && stack.rlim_cur != RLIM_INFINITY)
        stackBytes = static_cast<std::size_t>(stack.rlim_cur);
    std::size_t usedBytes = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        unsigned long pages = 0;
        if (std::fscanf(statm, "%lu", &pages) == 1)
            usedBytes = static_cast<std::size_t>(pages) * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        std::fclose(statm);
    }
    const auto limit = static_cast<std::size_t>(space.rlim_cur);
    const std::size_t room = limit > usedBytes ? (limit - usedBytes) / 2 : 0;
    return std::clamp<std::size_t>(room / (stackBytes + 4 * kMegabyte), 1, wanted);
}

std::string Plural(std::size_t count, std::string_view noun)
{
    return std::to_string(count) + ' ' + std::string(noun) + (count == 1 ? "" : "s");
}

// The rows of a batch: our CSV, read a row at a time, or another program's exchange file, read whole when
// opened and then handed out a record at a time as the same rows.
struct RowSource {
    std::unique_ptr<BatchFile> csv;
    AafRecords exchange;
    std::size_t next = 0;

    std::optional<BatchFile::Row> Next(const ZodiacChoice& zodiac)
    {
        if (csv)
            return csv->Next(zodiac);
        if (next == exchange.rows.size())
            return std::nullopt;
        return std::move(exchange.rows[next++]);
    }
    bool Placed() const { return csv ? csv->Header().Placed() : exchange.placed; }
    Result<void, BatchFailure> Finished() const { return csv ? csv->Finished() : Result<void, BatchFailure>{}; }
};

// The format a batch is read in: --format, else the file's extension; nothing after saying why on err.
std::optional<std::string> BatchFormat(const Options& options, std::ostream& err)
{
    std::string format = options.format;
    if (format.empty()) {
        const std::size_t dot = options.batch.rfind('.');
        format = dot == std::string::npos || options.batch.find('/', dot) != std::string::npos
            ? std::string("csv")
            : FoldKey(options.batch.substr(dot + 1));
        if (format != "aaf" && format != "qck" && format != "jhd")
            format = "csv";
    }
    if (format == "qck" || format == "jhd") {
        err << "tessaline-chart: ." << format << " files cannot be read yet: give the births as CSV or AAF\n";
        return std::nullopt;
    }
    return format;
}

// An exchange file's bytes, from a regular file of at most 256 MB or from standard input.
Result<std::string> ExchangeBytes(const std::string& name, std::istream& stdIn)
{
    constexpr std::uintmax_t kMaxBytes = std::uintmax_t{256} << 20U;
    std::error_code error;
    if (name != "-") {
        const auto status = std::filesystem::status(name, error);
        if (error)
            return Fail(error.message());
        if (!std::filesystem::is_regular_file(status))
            return Fail(std::filesystem::is_directory(status) ? "it is a folder" : "it is not a regular file");
        if (std::filesystem::file_size(name, error) > kMaxBytes && !error)
            return Fail(std::string("it is larger than 256 MB"));
    }
    std::ifstream file;
    if (name != "-") {
        errno = 0;
        file.open(name, std::ios::binary);
        if (!file)
            return Fail(std::system_category().message(errno != 0 ? errno : EIO));
    }
    std::istream& in = name == "-" ? stdIn : file;
    std::string bytes;
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxBytes)
            return Fail(std::string("it is larger than 256 MB"));
    }
    if (in.bad())
        return Fail(std::string("reading failed"));
    return bytes;
}

// An exchange file's notes, and how it was read, on err.
void SayHowRead(const std::string& name, const AafRecords& records, std::ostream& err)
{
    const std::string shown = name == "-" ? std::string("standard input") : TerminalText(name);
    if (records.encoding == TextEncoding::Windows1252)
        err << "tessaline-chart: " << shown << " is not UTF-8: read as Windows-1252 (Latin-1)\n";
    for (const std::string& note : records.notes)
        err << "tessaline-chart: " << shown << ": " << TerminalText(note) << '\n';
}

// The batch opened, or nothing after saying why on err.
std::optional<RowSource> OpenBatch(const Options& options, const ZodiacChoice& zodiac, std::istream& stdIn,
                                   std::ostream& err)
{
    const std::string& name = options.batch;
    const std::optional<std::string> format = BatchFormat(options, err);
    if (!format)
        return std::nullopt;
    RowSource source;
    if (*format == "aaf") {
        const Result<std::string> bytes = ExchangeBytes(name, stdIn);
        if (!bytes) {
            err << "Cannot read the batch file \"" << TerminalText(name) << "\": " << bytes.error() << '\n';
            return std::nullopt;
        }
        source.exchange = ReadAafRecords(*bytes, zodiac);
        SayHowRead(name, source.exchange, err);
        return source;
    }
    auto opened = name == "-" ? BatchFile::Read(stdIn) : BatchFile::Open(name);
    if (opened) {
        source.csv = std::move(*opened);
        return source;
    }
    const BatchFailure& failure = opened.error();
    using enum BatchFailure::Kind;
    switch (failure.kind) {
    case Folder:
    case CannotOpen:
        err << "Cannot read the batch file \"" << TerminalText(name) << '"'
            << (failure.reason.empty() ? std::string() : ": " + failure.reason) << '\n';
        break;
    case Empty:
        err << "The batch is empty: its first line must be the header name,date,time,zone,lon,lat,dst\n";
        break;
    case HeaderTooLong:
        err << "The batch header is too long: "
            << (failure.tooManyFields ? "it has more than 1024 fields" : "it is longer than 1 MB") << '\n';
        break;
    case Header:
        err << TerminalText(failure.reason) << '\n';
        break;
    case ReadFailed:
        err << "Reading the batch failed: " << TerminalText(failure.reason) << '\n';
        break;
    }
    return std::nullopt;
}

// One row in flight: as read, then what it writes to the output and to the messages.
struct Slot {
    BatchFile::Row row;
    std::string out;
    std::string err;
    std::string picture; // with --svg-dir, its picture, written to its file in its turn
    std::string pictureFailure; // why its PNG could not be drawn
    bool rejected = false;
    bool warned = false; // the row's reading or charting gave warnings
    bool charted = false;
    std::exception_ptr failure; // what a worker could not chart it for (memory), raised again in its turn
};

// The slot's outputs in the row's turn, together or not at all: its picture first, then its lines, and the
// picture taken back when the lines cannot be written. Says why on err when something cannot be written.
bool RowWritten(const Options& options, const Slot& slot, Output& output, std::ostream& err)
{
    const std::string path = slot.picture.empty() && slot.pictureFailure.empty()
        ? std::string()
        : PicturePath(options.svgDir, slot.row.line, options.png ? "png" : "svg");
    if (!path.empty()) {
        const Status written
            = slot.pictureFailure.empty() ? WriteWholeFile(path, slot.picture) : Status(Fail(slot.pictureFailure));
        if (!written) {
            err << "tessaline-chart: cannot write " << TerminalText(path) << ": " << written.error() << '\n';
            return false;
        }
    }
    output.out << slot.out;
    if (output.Failed()) {
        if (!path.empty())
            ::unlink(path.c_str());
        return false;
    }
    err << slot.err;
    return true;
}

// What one worker keeps between rows: its buffers and the options its charts are calculated with. Everything else a
// chart touches is the run's, read-only (the options, the atlas, the tables) or behind a lock (the place cache).
class RowCharter
{
public:
    RowCharter(const Options& options, const ZodiacChoice& zodiac, PlaceCache& places, bool placeColumns)
        : options_(options)
        , chartOptions_(ChartOptionsFor(options, zodiac))
        , places_(places)
        , writing_(WritingOf(options))
        , placeColumns_(placeColumns)
    { }

    // Charts a row and writes its output (or its refusal) into the slot, exactly as a run of one row would.
    void Chart(Slot& slot)
    {
        const BatchFile::Row& row = slot.row;
        extras_ = ChartExtras{};
        extras_.json = options_.json;
        const Result<tessaline::Chart> charted = ChartOfRow(row);
        slot.rejected = !charted;
        // What reading the row said goes first, with what charting it said.
        extras_.warnings.insert(extras_.warnings.begin(), row.warnings.begin(), row.warnings.end());
        slot.warned = !extras_.warnings.empty();
        Write(row, charted, slot);
        slot.picture.clear();
        slot.pictureFailure.clear();
        if (charted && !options_.svgDir.empty())
            slot.picture = ChartPictureSvg(*charted, options_);
        if (charted && !options_.svgDir.empty() && options_.png) {
            Result<std::string> png = PngOfSvg(slot.picture, options_.size);
            slot.picture = png ? std::move(*png) : std::string();
            slot.pictureFailure = png ? std::string() : png.error();
        }
    }

private:
    // The row's chart, or why there is none: the row's own fault, or the calculation's.
    Result<tessaline::Chart> ChartOfRow(const BatchFile::Row& row)
    {
        if (!row.birth)
            return Fail(FailureInWords(row.birth.error(), kToolVoice));
        const BatchBirth& birth = *row.birth;
        chartOptions_.zodiac = birth.zodiac;
        if (birth.Placed())
            return ChartAtPlace(birth.birth, chartOptions_, PlaceRequest{birth.place, birth.placeId, birth.dst},
                                places_, extras_);
        return ChartOf(birth.birth, chartOptions_, birth.placeLabel);
    }

    void Write(const BatchFile::Row& row, const Result<tessaline::Chart>& charted, Slot& slot)
    {
        BirthColumns inputs{}; // as the row gave them, once the row has the header's shape
        for (std::size_t c = 0; c < inputs.size(); ++c)
            inputs[c] = row.fields[c];
        std::string& out = slot.out;
        out.clear();
        slot.err.clear();
        if (!extras_.warnings.empty()) {
            std::ostringstream warnings;
            extras_.PrintWarnings(warnings, "line " + std::to_string(row.line) + ": ");
            slot.err = std::move(warnings).str();
        }
        const bool exporting = !options_.exportFormat.empty();
        if (!charted) {
            if (!exporting)
                WriteRejectedRow(out, writing_.format, row.line, inputs, charted.error(), placeColumns_,
                                 CsvExtras::Of(chartOptions_));
            if (writing_.format == ChartFormat::Text || exporting)
                slot.err += "line " + std::to_string(row.line) + ": " + TerminalText(charted.error()) + '\n';
            return;
        }
        if (exporting) {
            std::vector<std::string> lost;
            out = AafRecord(*charted, lost);
            for (const std::string& warning : lost)
                slot.err += "line " + std::to_string(row.line) + ": warning: " + TerminalText(warning) + '\n';
            slot.warned = slot.warned || !lost.empty();
            return;
        }
        if (writing_.format == ChartFormat::Text && options_.svg)
            return; // pictures alone go to their files
        const std::string members = writing_.format == ChartFormat::Json ? extras_.JsonMembers() : std::string();
        WriteChart(out, *charted, ChartRow{row.line, inputs, members, placeColumns_ ? &extras_.place : nullptr},
                   writing_);
    }

    const Options& options_;
    ChartOptions chartOptions_;
    PlaceCache& places_;
    ChartWriting writing_;
    bool placeColumns_;
    ChartExtras extras_;
};

// The rows between reading and writing: read and written in order by the caller's thread, charted by the
// workers in any order. A ring of slots bounds the rows in flight. The caller fills free slots without a lock
// (no worker looks at a slot before it is published) and publishes them together; a worker takes a run of
// rows at a time and wakes the caller only when it waits: a lock and a wake-up a row cost more than the row.
class RowPipeline
{
public:
    RowPipeline(std::size_t workers, const Options& options, const ZodiacChoice& zodiac, PlaceCache& places,
                bool placeColumns)
        : slots_(workers * kRowsPerWorker)
    {
        threads_.reserve(workers);
        const SignalsHeldBack workersTakeNoSignal;
        for (std::size_t i = 0; i < workers; ++i) {
            try {
                threads_.emplace_back(
                    [this, charter = RowCharter(options, zodiac, places, placeColumns)]() mutable { Work(charter); });
            } catch (...) {
                // No more threads (the system's limit), or no memory for one more worker's chart or thread:
                // the rows go to those started. Anything thrown out of here would leave them unjoined.
                break;
            }
        }
    }
    ~RowPipeline() { Stop(); }

    // Whether any worker runs; with none the caller charts the rows itself.
    bool Started() const { return !threads_.empty(); }
    // Whether so many slots are free that filling them is worth a wake-up (or nothing is left to write).
    bool WorthFilling() const { return filled_ - written_ <= slots_.size() / 2; }
    // Room for one more row read ahead.
    bool HasRoom() const { return filled_ - written_ < slots_.size(); }
    void Fill(BatchFile::Row row)
    {
        Slot& slot = slots_[filled_ % slots_.size()];
        slot.row = std::move(row);
        slot.charted = false;
        slot.failure = nullptr;
        ++filled_;
    }
    // The rows filled since the last call, handed to the workers.
    void Publish()
    {
        {
            const std::scoped_lock lock(mutex_);
            if (read_ == filled_)
                return;
            read_ = filled_;
        }
        toChart_.notify_all();
    }
    bool Pending() const { return written_ < filled_; }
    // The oldest row not yet written, once charted.
    Slot& Next()
    {
        std::unique_lock lock(mutex_);
        Slot& slot = slots_[written_ % slots_.size()];
        if (!slot.charted) {
            callerWaits_ = true;
            charted_.wait(lock, [&slot] { return slot.charted; });
            callerWaits_ = false;
        }
        if (slot.failure)
            std::rethrow_exception(slot.failure); // on the caller's thread, as a run of one row would
        return slot;
    }
    void Written() { ++written_; }
    void Stop()
    {
        {
            const std::scoped_lock lock(mutex_);
            stopping_ = true;
        }
        toChart_.notify_all();
        for (std::thread& thread : threads_)
            thread.join();
        threads_.clear();
    }

private:
    // Rows a worker takes at once: few enough that the oldest row is never long behind.
    static constexpr std::size_t kRowsTaken = 8;

    void Work(RowCharter& charter)
    {
        while (true) {
            std::size_t first = 0;
            std::size_t end = 0;
            {
                std::unique_lock lock(mutex_);
                toChart_.wait(lock, [this] { return stopping_ || nextToChart_ < read_; });
                if (stopping_)
                    return;
                first = nextToChart_;
                end = std::min(read_, first + kRowsTaken);
                nextToChart_ = end;
            }
            for (std::size_t taken = first; taken < end; ++taken) {
                Slot& slot = slots_[taken % slots_.size()];
                try {
                    charter.Chart(slot);
                } catch (...) {
                    slot.failure = std::current_exception();
                }
            }
            bool wake = false;
            {
                const std::scoped_lock lock(mutex_);
                for (std::size_t taken = first; taken < end; ++taken)
                    slots_[taken % slots_.size()].charted = true;
                wake = callerWaits_;
            }
            if (wake)
                charted_.notify_one();
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable toChart_;
    std::condition_variable charted_;
    std::size_t filled_ = 0; // the caller's alone
    std::size_t read_ = 0; // rows published to the workers, under the lock
    std::size_t nextToChart_ = 0; // under the lock
    std::size_t written_ = 0; // the caller's alone
    bool callerWaits_ = false; // under the lock
    bool stopping_ = false; // under the lock
};

// The rows read, rejected and charted with warnings.
struct Tally {
    std::size_t read = 0;
    std::size_t rejected = 0;
    std::size_t warned = 0;
    void Count(const Slot& slot)
    {
        rejected += slot.rejected ? 1 : 0;
        warned += slot.warned && !slot.rejected ? 1 : 0;
    }
};

// The rows charted one after the other on the caller's thread: --jobs 1.
bool RunInOrder(RowSource& batch, const Options& options, const ZodiacChoice& zodiac, RowCharter& charter,
                Output& output, std::ostream& err, Tally& tally)
{
    Slot slot;
    while (std::optional<BatchFile::Row> row = batch.Next(zodiac)) {
        ++tally.read;
        slot.row = std::move(*row);
        charter.Chart(slot);
        tally.Count(slot);
        if (!RowWritten(options, slot, output, err))
            return false; // no one receives the rest: stop reading
    }
    return true;
}

// The rows charted by workers while this thread reads ahead and writes each row's output in its turn.
bool RunInParallel(RowSource& batch, const Options& options, const ZodiacChoice& zodiac, std::size_t workers,
                   PlaceCache& places, bool placeColumns, Output& output, std::ostream& err, Tally& tally)
{
    RowPipeline pipeline(workers, options, zodiac, places, placeColumns);
    if (!pipeline.Started()) {
        RowCharter charter(options, zodiac, places, placeColumns);
        return RunInOrder(batch, options, zodiac, charter, output, err, tally);
    }
    bool reading = true;
    while (reading || pipeline.Pending()) {
        if (reading && pipeline.WorthFilling()) {
            while (reading && pipeline.HasRoom()) {
                std::optional<BatchFile::Row> row = batch.Next(zodiac);
                reading = row.has_value();
                if (reading) {
                    ++tally.read;
                    pipeline.Fill(std::move(*row));
                }
            }
            pipeline.Publish();
        }
        if (!pipeline.Pending())
            break;
        Slot& slot = pipeline.Next();
        tally.Count(slot);
        const bool written = RowWritten(options, slot, output, err);
        pipeline.Written();
        if (!written)
            return false; // the first failed write stops every worker (the pipeline's end)
    }
    return true;
}

} // namespace

int RunBatch(const Options& options, const ZodiacChoice& zodiac, std::istream& stdIn, Output& output, std::ostream& err)
{
    std::optional<RowSource> batch = OpenBatch(options, zodiac, stdIn, err);
    if (!batch)
        return kExitUsage;

    if (!options.svgDir.empty()) {
        if (const Status ready = PrepareFolder(options.svgDir); !ready) {
            err << "tessaline-chart: cannot write to the folder " << TerminalText(options.svgDir) << ": "
                << ready.error() << '\n';
            return kExitOutputFailed;
        }
    }
    std::optional<PictureSignals> cleanup;
    if (!options.svgDir.empty())
        cleanup.emplace();
    AtlasOnDemand atlases;
    PlaceCache places(atlases);
    const bool placeColumns = batch->Placed();
    if (options.csv) {
        std::string header;
        AppendCsvHeader(header, placeColumns, CsvExtras::Of(ChartOptionsFor(options, ZodiacChoice{})));
        output.out << header;
    }
    Tally tally;
    const std::size_t workers = WorkersThatFit(options.jobs > 0 ? static_cast<std::size_t>(options.jobs)
                                                                : std::max(1U, std::thread::hardware_concurrency()));
    bool whole = true;
    if (workers == 1) {
        RowCharter charter(options, zodiac, places, placeColumns);
        whole = RunInOrder(*batch, options, zodiac, charter, output, err, tally);
    } else
        whole = RunInParallel(*batch, options, zodiac, workers, places, placeColumns, output, err, tally);
    if (!whole)
        return kExitOutputFailed;
    if (const auto finished = batch->Finished(); !finished) {
        err << "Reading the batch failed: " << TerminalText(finished.error().reason) << '\n';
        return kExitUsage;
    }
    output.out.flush(); // a failed output is said alone, not after a summary of charts written
    if (output.Failed())
        return kExitOutputFailed;
    const std::size_t charted = tally.read - tally.rejected;
    const char* written = options.exportFormat.empty() ? " written" : " exported";
    if (batch->csv)
        err << "tessaline-chart: " << Plural(tally.read, "row") << " read, " << Plural(charted, "chart") << written
            << ", " << Plural(tally.rejected, "row") << " rejected\n";
    else
        err << "tessaline-chart: " << Plural(tally.read, "record") << " read, " << Plural(charted, "chart") << written
            << " (" << tally.warned << " with warnings), " << Plural(tally.rejected, "record") << " refused\n";
    return tally.rejected > 0 ? kExitRejected : kExitOk;
}

} // namespace tessaline::cli
