// Message texts, built from their fixed pieces and the level in decimal.
#include "game/messages.h"

#include "cave/make_cave.h"

namespace zupi {
namespace {

constexpr const char* kCrLf = "\r\n";

const char* DifficultyLine(Integer difficulty) {
  switch (difficulty) {
    case kBeginner: return " 初級マップです。";
    case kIntermediate: return " 中級マップです。";
    case kAdvanced: return " 上級マップです。";
    default: return " プロ級マップです。";
  }
}

}  // namespace

std::string StageName(Integer level, bool dark) { return "洞窟 " + std::to_string(level) + (dark ? "-B" : "-A"); }

std::string StageMessage(Integer level, bool dark) {
  const std::string n = std::to_string(level);
  std::string text = StageName(level, dark) + kCrLf + kCrLf;
  if (!dark) return text + DifficultyLine(DifficultyForLevel(level));
  return text + n + "-Aと同じマップです。" + kCrLf + "暗いから壁にぶつからないように気をつけて!";
}

std::string CertificateText(Integer level) {
  return "あなたは" + std::to_string(level) + "面までたどりついたので" + kCrLf +
         "洞窟プロに認定されました。おめでとう!";
}

}  // namespace zupi
