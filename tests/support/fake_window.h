// A stand-in for the window: five field texts, a record of every write and every message.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculator.h"

namespace varnel::testing {

class FakeWindow : public FieldAccess, public MessageSink {
  public:
    FakeWindow(std::string wireSize, std::string length, std::string resistance) {
        texts_[std::string(WIRESIZE)] = std::move(wireSize);
        texts_[std::string(WIRELENGTH)] = std::move(length);
        texts_[std::string(RESISTANCE)] = std::move(resistance);
    }

    std::string GetFieldText(std::string_view field) const override {
        return texts_.at(std::string(field));
    }

    void SetFieldText(std::string_view field, const std::string& text) override {
        texts_[std::string(field)] = text;
        writes.emplace_back(field, text);
    }

    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    std::vector<std::pair<std::string, std::string>> writes;
    std::vector<std::string> messages;

  private:
    std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace varnel::testing
