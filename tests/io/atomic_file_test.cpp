#include "io/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/support/temp_dir.h"

namespace zev {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  std::string Read(const fs::path& p) { return test::ReadFile(p); }
  size_t EntryCount() { return m_tmp.EntryCount(); }
  test::CTempDir m_tmp;
  const fs::path& m_dir = m_tmp.Dir();
};

// Lets `limit` bytes through, then fails like a full disk.
class CFailAfter : public CSinkFilter {
 public:
  explicit CFailAfter(size_t limit) : m_left(limit) {}
  bool Write(std::string_view bytes, CByteSink& next, std::string& error) override {
    if (bytes.size() <= m_left) {
      m_left -= bytes.size();
      return next.Write(bytes, error);
    }
    next.Write(bytes.substr(0, m_left), error);
    m_left = 0;
    error = "No space left on device";
    return false;
  }

 private:
  size_t m_left;
};

TEST_F(AtomicFileTest, WritesNewFileAndReplacesOldOne) {
  std::string path = (m_dir / "model.zev").string();
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "first", error)) << error;
  EXPECT_EQ(Read(path), "first");
  ASSERT_TRUE(WriteFileAtomically(path, std::string("sec\0nd", 6), error)) << error;
  EXPECT_EQ(Read(path), std::string("sec\0nd", 6));
  EXPECT_EQ(EntryCount(), 1u) << "no temporary file is left behind";
}

TEST_F(AtomicFileTest, FailureHalfWayKeepsThePreviousFile) {
  std::string path = (m_dir / "model.zev").string();
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "the previous model", error));
  CFailAfter full(4);
  EXPECT_FALSE(WriteFileAtomically(path, "a much longer new model", error, &full));
  EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_EQ(Read(path), "the previous model");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFileTest, MissingOrReadOnlyFolderIsAClearFailure) {
  std::string error;
  std::string missing = (m_dir / "no-such-folder" / "x.zev").string();
  EXPECT_FALSE(WriteFileAtomically(missing, "x", error));
  EXPECT_NE(error.find("cannot be created"), std::string::npos) << error;

  // Refused by the folder's mode bits, for the administrator too.
  std::string path = (m_dir / "kept.zev").string();
  ASSERT_TRUE(WriteFileAtomically(path, "kept", error));
  fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(WriteFileAtomically(path, "new", error));
  fs::permissions(m_dir, fs::perms::owner_all);
  EXPECT_EQ(error, "The file <" + path + "> cannot be created in the folder <" + m_dir.string() +
                       ">: Permission denied.");
  EXPECT_EQ(Read(path), "kept");
  EXPECT_EQ(EntryCount(), 1u);
}

// The write permission is judged by the file's mode bits as well as by the
// system, so that a file nobody may write stays unchanged even for the
// administrator, whom the system lets write anything.
TEST_F(AtomicFileTest, AReadOnlyFileIsRefusedAndKept) {
  std::string path = (m_dir / "model.zev").string();
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "kept", error));
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(WriteFileAtomically(path, "new", error));
  EXPECT_EQ(error, "The file <" + path + "> is read-only; it was not changed.");
  EXPECT_EQ(Read(path), "kept");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(EntryCount(), 1u);
}

// Saving through a link writes the file it names, keeps the link, and keeps
// the file's permissions; a dangling link creates the file it names.
TEST_F(AtomicFileTest, LinksAreFollowedToTheFileTheyName) {
  fs::create_directory(m_dir / "real");
  const fs::path target = m_dir / "real" / "model.zev";
  struct SCase {
    const char* m_pszLink;
    std::string m_strPointsTo;
  };
  const SCase cases[] = {
      {"absolute.zev", target.string()},
      {"relative.zev", "real/model.zev"},
      {"chain.zev", "absolute.zev"},
      {"dangling.zev", "real/new.zev"},
  };
  std::string error;
  for (const SCase& c : cases) fs::create_symlink(c.m_strPointsTo, m_dir / c.m_pszLink);
  int round = 0;
  for (const SCase& c : cases) {
    const bool bDangling = std::string(c.m_pszLink) == "dangling.zev";
    const fs::path written = bDangling ? m_dir / "real" / "new.zev" : target;
    if (!bDangling) {
      ASSERT_TRUE(WriteFileAtomically(target.string(), "old", error)) << error;
      fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    }
    const std::string bytes = "new " + std::to_string(++round);
    const std::string link = (m_dir / c.m_pszLink).string();
    ASSERT_TRUE(WriteFileAtomically(link, bytes, error)) << c.m_pszLink << ": " << error;
    EXPECT_TRUE(fs::is_symlink(link)) << c.m_pszLink;
    EXPECT_EQ(Read(written), bytes) << c.m_pszLink;
    if (!bDangling) {
      EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
                fs::perms::owner_read | fs::perms::owner_write)
          << c.m_pszLink;
    }
  }
  EXPECT_EQ(static_cast<size_t>(
                std::distance(fs::directory_iterator(m_dir / "real"), fs::directory_iterator())),
            2u)
      << "no temporary file is left behind";

  // A link to a read-only file is refused with both names.
  fs::permissions(target, fs::perms::owner_read);
  const std::string link = (m_dir / "absolute.zev").string();
  EXPECT_FALSE(WriteFileAtomically(link, "x", error));
  EXPECT_EQ(error, "The file <" + link + "> (<" + target.string() +
                       ">) is read-only; it was not changed.");

  fs::create_symlink("loop.zev", m_dir / "loop.zev");
  EXPECT_FALSE(WriteFileAtomically((m_dir / "loop.zev").string(), "x", error));
  EXPECT_NE(error.find("Too many levels of symbolic links"), std::string::npos) << error;
}

TEST_F(AtomicFileTest, ExistingFileKeepsItsPermissions) {
  std::string path = (m_dir / "model.zev").string();
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "a", error));
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteFileAtomically(path, "b", error));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileTest, ReadWholeFileReportsMissingFiles) {
  std::string bytes;
  std::string error;
  EXPECT_FALSE(ReadWholeFile((m_dir / "none").string(), bytes, error));
  EXPECT_NE(error.find("cannot be opened"), std::string::npos);
  EXPECT_FALSE(ReadWholeFile(m_dir.string(), bytes, error));
  std::string path = (m_dir / "f").string();
  ASSERT_TRUE(WriteFileAtomically(path, std::string(100000, 'z'), error));
  ASSERT_TRUE(ReadWholeFile(path, bytes, error));
  EXPECT_EQ(bytes.size(), 100000u);
}

}  // namespace
}  // namespace zev
