// Input from outside and other runs on the same catalogue: refused with a message and
// status 2, printed without control characters, and never losing another run's change.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/UnitMgr.h"
#include "tests/convert/CommandRun.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScratchDir.h"

namespace {

const std::string kHeader = "type\tunit\tcoefficient\toffset\n";

class SharedCatalogue : public testing::Test {
protected:
    CScratchDir m_scratch;
    const std::string m_catalogue = m_scratch.File("Tarvo.Dat");

    Outcome Run(std::vector<std::string> args, const std::string& input = "") const {
        args.insert(args.begin(), {"--file", m_catalogue});
        return RunCommand(std::move(args), input);
    }
};

TEST_F(SharedCatalogue, FilesThatAreNoTablesEndWithAMessage) {
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    const Case cases[] = {
        {{"--import", "/dev/zero"}, "tarvo-convert: cannot read /dev/zero: "},
        {{"--rates", "/dev/zero"}, "tarvo-convert: cannot read /dev/zero: "},
        {{"--rates", "/tmp"}, "tarvo-convert: cannot read /tmp: "},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Run(c.args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err.rfind(c.error, 0), 0U) << outcome.err;
        EXPECT_NE(outcome.err.find("; nothing changed\n"), std::string::npos) << outcome.err;
    }
}

/// The exit status of the built tarvo-convert run with args under an address-space limit,
/// its standard error in err.
int RunLimited(const std::vector<std::string>& args, rlim_t bytes, const std::string& err) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{bytes, bytes};
        const int errFile = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<char*> argv{const_cast<char*>(TARVO_BINARY_DIR "/tarvo-convert")};
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        if (::setrlimit(RLIMIT_AS, &limit) == 0 && ::dup2(errFile, STDERR_FILENO) >= 0) {
            ::execv(argv[0], argv.data());
        }
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST_F(SharedCatalogue, AHugeTableUnderAMemoryLimitEndsWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer cannot map its shadow memory under an address-space limit";
#endif
    const std::string blank = m_scratch.File("blank.tsv");
    std::ofstream(blank) << std::string(std::size_t{100} << 20, '\n');
    struct Case {
        rlim_t limit;
        std::string error;
    };
    const Case cases[] = {
        {rlim_t{4000000} << 10, "line 1: the first line must be the header"},
        {rlim_t{64} << 20, "out of memory; nothing changed"},
    };
    for (const Case& c : cases) {
        const std::string err = m_scratch.File("err.txt");
        EXPECT_EQ(RunLimited({"--file", m_catalogue, "--import", blank}, c.limit, err), 2);
        EXPECT_NE(CScratchDir::Read(err).find(c.error), std::string::npos)
            << CScratchDir::Read(err);
    }
    EXPECT_FALSE(std::filesystem::exists(m_catalogue));
}

TEST_F(SharedCatalogue, ControlCharactersFromOutsideArePrintedEscaped) {
    const std::string table =
        m_scratch.Write("units\x1b[2J.tsv", kHeader +
                                                "Len\x1b]0;x\x07gth\tm\xC2\x9B"
                                                "1m\t1\t0\n");
    const Outcome imported = Run({"--import", table});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.out.find("in " + m_catalogue), std::string::npos) << imported.out;
    const Outcome units = Run({"--units", "Len\x1b]0;x\x07gth"});
    EXPECT_EQ(units.out, "m\\xc2\\x9b1m\t1\t0\n");
    const Outcome unknown = Run({"--units", "bad\x1b[31m"});
    EXPECT_EQ(unknown.err, "tarvo-convert: unknown type 'bad\\x1b[31m'\n");
    const Outcome bad = Run({"--import", m_scratch.Write("bad\x1b.tsv", kHeader + "x\n")});
    EXPECT_EQ(bad.err.rfind("tarvo-convert: " + m_scratch.File("bad\\x1b.tsv") + ": line 2", 0), 0U)
        << bad.err;
    EXPECT_NE(Run({"--types"}).out.find("Len\\x1b]0;x\\x07gth\n"), std::string::npos);
}

TEST_F(SharedCatalogue, ParallelImportsKeepEveryType) {
    constexpr int kRuns = 3;
    std::vector<std::string> tables;
    for (int run = 0; run < kRuns; ++run) {
        std::string lines = kHeader;
        for (int unit = 1; unit <= 50; ++unit) {
            lines += "Type " + std::to_string(run) + "\tunit " + std::to_string(unit) + "\t" +
                     std::to_string(unit) + "\t0\n";
        }
        tables.push_back(m_scratch.Write("set" + std::to_string(run) + ".tsv", lines));
    }
    std::vector<Outcome> outcomes(kRuns);
    std::vector<std::thread> runs;
    for (int run = 0; run < kRuns; ++run) {
        runs.emplace_back([&, run] { outcomes[run] = Run({"--import", tables[run]}); });
    }
    for (std::thread& run : runs) {
        run.join();
    }
    CUnitMgr catalogue;
    catalogue.LoadFromFile(m_catalogue);
    for (int run = 0; run < kRuns; ++run) {
        EXPECT_EQ(outcomes[run].status, 0) << outcomes[run].err;
        EXPECT_EQ(catalogue.FindTypeRun("Type " + std::to_string(run)).end -
                      catalogue.FindTypeRun("Type " + std::to_string(run)).begin,
                  50);
    }
}

TEST_F(SharedCatalogue, ARunWaitsForTheLockAndThenGivesUp) {
    const CScopedEnv wait("TARVO_LOCK_TIMEOUT_MS", "200");
    const int held = ::open((m_catalogue + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const std::string table = m_scratch.Write("set.tsv", kHeader + "Length\tmetre\t1\t0\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--import", table}, std::vector<std::string>{"--restore", "1"},
          std::vector<std::string>{"--rates", TARVO_TEST_DATA "/eurofxref-sample.csv"}}) {
        const Outcome outcome = Run(args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err,
                  "tarvo-convert: the catalogue is in use by another tarvo-convert; nothing "
                  "changed\n");
    }
    EXPECT_FALSE(std::filesystem::exists(m_catalogue));
    ::close(held);
    EXPECT_EQ(Run({"--import", table}).status, 0);
}

}  // namespace
