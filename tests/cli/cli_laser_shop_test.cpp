// The laser shop's options on the command line: every bad value a usage error naming its option,
// with nothing written.
#include "support/cli_process.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using rw::test::CliResult;
using rw::test::kAirfoil;
using rw::test::runCli;

namespace {

TEST(RibwrightCliLaserShop, BadValuesAreUsageErrorsNamingTheOption) {
    QTemporaryDir dir;
    const QString svg = dir.filePath("laser.svg");
    const QList<std::pair<QStringList, QString>> refused = {
        {{"--kerf", "2.5"}, "--kerf"},
        {{"--kerf", "0,2"}, "--kerf"},
        {{"--kerf", "-0.1"}, "--kerf"},
        {{"--sides", "up"}, "--sides"},
        {{"--copies", "0"}, "--copies"},
        {{"--copies", "51"}, "--copies"},
        {{"--copies", "2.5"}, "--copies"},
        {{"--gap", "x"}, "--gap"},
        {{"--gap", "101"}, "--gap"},
        // Grown by half the kerf each, neighbours a gap below the kerf apart would run together.
        {{"--kerf", "0.4", "--gap", "0.3"}, "--gap"},
    };
    for (const auto& [args, option] : refused) {
        const CliResult r = runCli(QStringList{"--svg", svg} + args + QStringList{kAirfoil});
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(option)) << r.err.toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    // The edge values are taken.
    const CliResult edge = runCli({"--svg", svg, "--kerf", "2", "--gap", "2", "--copies", "2",
                                   "--sides", "left", "--nest", kAirfoil});
    EXPECT_EQ(edge.exitCode, 0) << edge.err.toStdString();
}

}  // namespace
