#include "support/lwtool_runner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using lwtest::runLwtool;

TEST(LwtoolProgram, HelpAndUsageErrors)
{
    const auto help = runLwtool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: lwtool COMMAND"), std::string::npos);
    const auto renderHelp = runLwtool({"render", "--help"});
    EXPECT_EQ(renderHelp.exitCode, 0);
    EXPECT_NE(renderHelp.out.find("--transparent [RRGGBB]"), std::string::npos);
    const auto wrong = runLwtool({"render", "only-input.lwd"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_NE(wrong.err.find("needs -o OUTPUT"), std::string::npos);
    EXPECT_EQ(std::count(wrong.err.begin(), wrong.err.end(), '\n'), 1) << "one line";
}

TEST(LwtoolProgram, ExtensionsCatalogue)
{
    const auto text = runLwtool({"extensions", "--extensions", lwtest::engineTestExtensions()});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("Effects Available:"), std::string::npos);

    const auto json = runLwtool({"extensions", "--json", "--extensions", lwtest::engineTestExtensions()});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const QJsonArray modules = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array();
    ASSERT_FALSE(modules.isEmpty());
    bool sawEffect = false;
    QString previous;
    for (const auto& m : modules) {
        const QJsonObject module = m.toObject();
        EXPECT_TRUE(module["file"].toString().endsWith(".lwx"));
        EXPECT_LT(previous, module["file"].toString()) << "sorted by file name";
        previous = module["file"].toString();
        for (const auto& e : module["effects"].toArray()) {
            const QJsonObject effect = e.toObject();
            sawEffect = true;
            EXPECT_GT(effect["id"].toInt(), 0);
            EXPECT_LE(effect["minSpeed"].toInt(), effect["maxSpeed"].toInt());
        }
    }
    EXPECT_TRUE(sawEffect);
}

TEST(LwtoolProgram, MissingExtensionsFolderIsBadInput)
{
    const auto run = runLwtool({"extensions", "--extensions", "/nonexistent/folder"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("/nonexistent/folder"), std::string::npos);
}
