// Prints the X PRIMARY selection as UTF-8: the tests read the program's log view through it.
#include <QClipboard>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  const QByteArray text = QGuiApplication::clipboard()->text(QClipboard::Selection).toUtf8();
  return std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout) ==
                 static_cast<std::size_t>(text.size())
             ? 0
             : 1;
}
