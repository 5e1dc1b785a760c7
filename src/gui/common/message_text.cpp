#include "gui/common/message_text.h"

#include "gui/common/qt_text.h"

namespace gleaner {

QString MessageText(const std::string& text) {
  QString message = FromMixed(text);
  message.replace("\r\n", "\n");
  message.replace('\r', '\n');
  return message;
}

}  // namespace gleaner
