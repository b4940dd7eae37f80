#include "app_settings.h"

#include <QSettings>

namespace varnel {
namespace {

QString KeyOf(const char* section, const char* key) {
  return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(key);
}

}  // namespace

AppSettings::AppSettings(const QString& iniPath)
    : store_(iniPath.isEmpty() ? std::make_unique<QSettings>(QStringLiteral("vnl"), QString())
                               : std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

AppSettings::~AppSettings() = default;

int AppSettings::Read(const IntSetting& s) const { return Read(s, s.fallback); }

int AppSettings::Read(const IntSetting& s, int fallback) const {
  const QVariant v = store_->value(KeyOf(s.section, s.key));
  if (!v.isValid()) return fallback;
  bool ok = false;
  const int n = v.toString().trimmed().toInt(&ok);
  return ok ? n : fallback;
}

bool AppSettings::Read(const BoolSetting& s) const {
  const QVariant v = store_->value(KeyOf(s.section, s.key));
  if (!v.isValid()) return s.fallback;
  bool ok = false;
  const int n = v.toString().trimmed().toInt(&ok);
  return ok ? n != 0 : s.fallback;
}

QString AppSettings::Read(const TextSetting& s) const {
  return store_->value(KeyOf(s.section, s.key)).toString();
}

void AppSettings::Write(const IntSetting& s, int value) {
  store_->setValue(KeyOf(s.section, s.key), QString::number(value));
}

void AppSettings::Write(const BoolSetting& s, bool value) {
  store_->setValue(KeyOf(s.section, s.key), value ? QStringLiteral("1") : QStringLiteral("0"));
}

void AppSettings::Sync() { store_->sync(); }

bool ReadDeveloperMode(const QString& iniPath) {
  QSettings ini(iniPath, QSettings::IniFormat);
  bool ok = false;
  const int n = ini.value(QStringLiteral("Option/DeveloperMode")).toString().trimmed().toInt(&ok);
  return ok && n != 0;
}

}  // namespace varnel
