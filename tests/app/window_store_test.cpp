// The window against stores that fight back, and against a program folder whose name is
// not valid text.
#include "app/babyname_application.h"
#include "app/form1.h"
#include "naming/name_random.h"
#include "temp_store.h"

#include "flat/flat_button.h"
#include "test_access.h"

#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

TApplication* App() {
    return static_cast<TApplication*>(QCoreApplication::instance());
}

class WindowStore : public ::testing::Test {
protected:
    void SetUp() override {
        naming::SetRandSeed(0);
        App()->setErrorReporter([this](const QString& message) { errors << message; });
    }
    void TearDown() override { App()->setErrorReporter(nullptr); }
    void Press(TForm1& form) { QTest::mouseClick(TestAccess::flatButton1(form), Qt::LeftButton); }

    TempDir dir;
    QStringList errors;
};

TEST_F(WindowStore, HostileStoreGivesAMessageAndTheRepairedStoreWorks) {
    const std::string path = dir.File("tarnwick.dat");
    const std::vector<NameTable> good = {NumberedTable("male2", "shuangm", 30)};
    const struct {
        std::vector<NameTable> tables;
        std::string sql, fault;
    } cases[] = {
        {good,
         "DROP TABLE male2; CREATE VIEW male2 AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL "
         "SELECT x + 1 FROM c) SELECT 'a' AS shuangm FROM c WHERE x < 0;",
         "stopped after"},
        {{NameTable{"male2", {"shuangm"}, {{std::string(2'000'000, 'x')}}}}, "", "too long"},
    };
    for (const auto& c : cases) {
        WriteStore(path, c.tables);
        if (!c.sql.empty()) ExecuteOnStore(path, c.sql);
        TForm1 form([](const QString&) {}, QString::fromStdString(path));
        errors.clear();
        Press(form);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(QString::fromStdString(c.fault))) << c.fault;
        EXPECT_TRUE(errors[0].contains(QString::fromStdString(path)));
        EXPECT_LT(errors[0].size(), 1000);
        EXPECT_LE(TestAccess::listView1(form)->rowCount(), 1);

        WriteStore(path, good);
        Press(form);
        EXPECT_EQ(errors.size(), 1) << errors.last().toStdString();
        EXPECT_EQ(TestAccess::listView1(form)->rowCount(), 11);
    }
}

// Run by the next test from a copy of this program, in a folder it makes.
TEST_F(WindowStore, DISABLED_PressReadsTheStoreBesideTheProgram) {
    TForm1 form([](const QString&) {});
    Press(form);
    EXPECT_EQ(errors, QStringList());
    EXPECT_EQ(TestAccess::listView1(form)->rowCount(), 11);
}

TEST_F(WindowStore, ProgramFolderWhoseNameIsNotTextFindsItsStore) {
    const std::string folder = dir.File("caf\xE9");
    fs::create_directories(folder + "/config");
    fs::copy_file(std::string(BABYNAME_BUILD_DIR) + "/config/tarnwick.dat",
                  folder + "/config/tarnwick.dat");
    const std::string program = folder + "/app_tests";
    fs::copy_file(std::string(BABYNAME_BUILD_DIR) + "/tests/app_tests", program);

    const ToolRun run =
        RunTool(program, "--gtest_also_run_disabled_tests "
                         "--gtest_filter=WindowStore.DISABLED_PressReadsTheStoreBesideTheProgram");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test"), std::string::npos) << run.output;
}

} // namespace
