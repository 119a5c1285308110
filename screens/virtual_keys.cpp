// The table from Qt keys to virtual-key codes.
#include "screens/virtual_keys.h"

#include <unordered_map>

namespace zupi {
namespace {

int KeypadCode(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Comma: return 110;  // the decimal key of some layouts
    case Qt::Key_Slash: return 111;
    default: return 0;
  }
}

const std::unordered_map<int, int>& KeyTable() {
  static const std::unordered_map<int, int> table = {
      // Editing and movement.
      {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Backtab, 9}, {Qt::Key_Clear, 12},
      {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Shift, 16}, {Qt::Key_Control, 17},
      {Qt::Key_Alt, 18}, {Qt::Key_AltGr, 18}, {Qt::Key_Pause, 19}, {Qt::Key_CapsLock, 20},
      {Qt::Key_Escape, 27}, {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
      {Qt::Key_End, 35}, {Qt::Key_Home, 36}, {Qt::Key_Left, 37}, {Qt::Key_Up, 38},
      {Qt::Key_Right, 39}, {Qt::Key_Down, 40}, {Qt::Key_Print, 44}, {Qt::Key_Insert, 45},
      {Qt::Key_Delete, 46}, {Qt::Key_Meta, 91}, {Qt::Key_Menu, 93}, {Qt::Key_NumLock, 144},
      {Qt::Key_ScrollLock, 145},
      // Japanese keyboard keys.
      {Qt::Key_Kanji, 25}, {Qt::Key_Henkan, 28}, {Qt::Key_Muhenkan, 29},
      {Qt::Key_Hiragana_Katakana, 242}, {Qt::Key_Zenkaku_Hankaku, 243},
      // Punctuation keys, unshifted and shifted (US layout).
      {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186}, {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187},
      {Qt::Key_Comma, 188}, {Qt::Key_Less, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
      {Qt::Key_Period, 190}, {Qt::Key_Greater, 190}, {Qt::Key_Slash, 191}, {Qt::Key_Question, 191},
      {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
      {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
      {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
      {Qt::Key_QuoteDbl, 222},
      // Shifted digits (US layout).
      {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
      {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},
      {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
  };
  return table;
}

}  // namespace

int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) {
    if (const int code = KeypadCode(qtKey)) return code;
  }
  // Letters and digits: Qt uses the ASCII codes of the capital letter and
  // the digit, as the virtual keys do.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  const auto& table = KeyTable();
  const auto it = table.find(qtKey);
  return it != table.end() ? it->second : kUnmappedKey;
}

}  // namespace zupi
