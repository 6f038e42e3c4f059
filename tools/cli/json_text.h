#pragma once
// Small pieces of JSON for the results that are tables. Texts are the installation's bytes; only
// the characters JSON reserves are escaped.

#include <string>
#include <vector>

namespace tk73cli {

// The text as a JSON string, quotes included.
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
