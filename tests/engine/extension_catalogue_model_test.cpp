#include "engine/extension_catalogue_model.h"
#include "engine_test_support.h"

#include <gtest/gtest.h>

using lw::ExtensionCatalogueModel;

TEST(ExtensionCatalogueModel, OneItemPerModuleSortedByFileName)
{
    const ExtensionCatalogueModel model(lwtest::testHost(), "/ext");
    std::vector<std::string> texts;
    for (const auto& item : model.items()) {
        texts.push_back(item.text);
        EXPECT_NE(item.data, nullptr);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"a_probe.lwx", "b_dup_first.lwx", "c_dup_second.lwx",
                                               "d_empty.lwx", "f_no_info.lwx", "g_no_prepare.lwx",
                                               "h_no_render.lwx", "i_context_keeper.lwx"}));
    EXPECT_EQ(model.folder(), "/ext");
}

TEST(ExtensionCatalogueModel, DescriptionsListTheModulesOwnRunNewestFirst)
{
    const ExtensionCatalogueModel model(lwtest::testHost(), "/ext");
    EXPECT_EQ(model.descriptionFor(0),
              std::optional<std::string>(
                  "Probe Extension for Loopwright GIF Animator v1.0\r\nLoopwright Extension SDK"
                  "\r\n==============\r\n"
                  "Effects Available:\r\n"
                  "- Wild Speeds (#107)\r\n"
                  "- Probe Animation (#103)\r\n"
                  "- Probe Out (#102)\r\n"
                  "- Probe In (#101)\r\n"));
    // The duplicate id shows under both modules; no vendor text means no separator.
    EXPECT_EQ(model.descriptionFor(1),
              std::optional<std::string>("Effects Available:\r\n- Dup First (#201)\r\n"));
    EXPECT_EQ(model.descriptionFor(2), std::optional<std::string>("Dup Second v2\r\n==============\r\n"
                                                                  "Effects Available:\r\n"
                                                                  "- Second Only (#202)\r\n"
                                                                  "- Dup Second (#201)\r\n"));
    EXPECT_EQ(model.descriptionFor(3),
              std::optional<std::string>("Empty Extension\r\n==============\r\nEffects Available:\r\n"));
    EXPECT_EQ(model.descriptionFor(4), std::optional<std::string>("Effects Available:\r\n"));
    EXPECT_EQ(model.descriptionFor(99), std::nullopt);
}

TEST(ExtensionCatalogueModel, NoExtensions)
{
    const lw::ExtensionHost empty;
    const ExtensionCatalogueModel model(empty, "/ext");
    ASSERT_EQ(model.items().size(), 1u);
    EXPECT_EQ(model.items()[0].text, "<no extensions>");
    EXPECT_EQ(model.items()[0].data, nullptr);
    EXPECT_EQ(model.descriptionFor(0), std::nullopt);
}
