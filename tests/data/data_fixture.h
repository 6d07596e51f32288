#pragma once
// A fresh context over a temporary program directory, with a message recorder
// instead of message boxes and a counter for closing the game screen.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/context.h"
#include "platform/message_box.h"

class DataFixture : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/sd_data_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        ctx.programDir = dir_;
        ctx.messageBox = &messages;
        ctx.closeGameScreen = [this] { ++closed; };
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void write(const std::string& name, const std::string& content) {
        std::ofstream(dir_ + "/" + name, std::ios::binary) << content;
    }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    std::string onlyMessage() const {
        EXPECT_EQ(messages.shown.size(), 1u);
        return messages.shown.empty() ? std::string() : messages.shown.front().text;
    }

    sd::Context ctx;
    sd::platform::MessageRecorder messages;
    int closed = 0;

private:
    std::string dir_;
};
