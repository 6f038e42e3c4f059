#pragma once
// Small pieces of JSON for the results that are tables. JSON is UTF-8, while every text the
// libraries hand over is in the installation's code page: texts are converted on their way in.

#include <string>
#include <vector>

namespace tk73cli {

// The text (in the installation's code page) as a JSON string in UTF-8, quotes included.
std::string JsonString(const std::string& text);

// One JSON object built member by member.
class JsonObject {
  public:
    JsonObject& Text(const char* key, const std::string& value);
    JsonObject& Number(const char* key, long long value);
    // A member whose value is JSON already (an array or object).
    JsonObject& Raw(const char* key, const std::string& json);
    std::string Str() const { return "{" + body_ + "}"; }

  private:
    std::string body_;
};

// The items (JSON already) as an array.
std::string JsonArray(const std::vector<std::string>& items);

}  // namespace tk73cli
