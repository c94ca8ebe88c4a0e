#include "CliHarness.h"

#include "ConfigFileText.h"

#include <gtest/gtest.h>

std::string configText(const std::vector<SettingValue>& edits, const std::string& firmware,
                       const std::string& revision) {
    KaveloConfigParser config;
    for (const SettingValue& edit : edits)
        config.setCameraValue(edit.index, edit.value);
    config.setCameraValue(kDateTime, 0);
    std::string text = configFileText(config, std::tm{});
    // The writer's trailer holds the (empty) identification of a parser that
    // has read no file; the card-format line needs a firmware above 2.17.
    text.erase(text.size() - std::string("\n{}\n{}\n").size());
    const std::string wbLine = "Motion Detect=[";
    if (text.find("TF card format filesystem") == std::string::npos) {
        const std::string cardLine =
            "TF card format filesystem=[" + std::to_string(config.getCameraValue(45)) + "];\n";
        text.insert(text.find(wbLine), cardLine);
    }
    return text + "\n{" + firmware + "}\n{" + revision + "}\n";
}

std::string withoutLine(const std::string& text, const std::string& keyword) {
    const std::size_t start = text.find("\n" + keyword) + 1;
    const std::size_t end = text.find('\n', start) + 1;
    return text.substr(0, start) + text.substr(end);
}

KaveloConfigParser readBack(const std::string& path) {
    KaveloConfigParser config;
    testing::internal::CaptureStderr();
    const bool loaded = config.readConfigFile(path.c_str());
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(loaded) << path << " was refused";
    return config;
}
