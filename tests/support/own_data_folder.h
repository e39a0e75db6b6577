// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// The user's data folder (XDG_DATA_HOME) of one test alone, for as long as
// the object lives. CTest runs tests side by side, so a folder shared between
// them (Qt's test mode shares ~/.qttest) lets one test's careers turn up in
// another's.
class OwnDataFolder {
  public:
    OwnDataFolder() : before_(qgetenv(name)), hadBefore_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, folder_.path().toLocal8Bit());
    }
    ~OwnDataFolder() {
        if (hadBefore_)
            qputenv(name, before_);
        else
            qunsetenv(name);
    }
    OwnDataFolder(const OwnDataFolder&) = delete;
    OwnDataFolder& operator=(const OwnDataFolder&) = delete;

    QString path() const { return folder_.path(); }

  private:
    static constexpr const char* name = "XDG_DATA_HOME";
    QTemporaryDir folder_;
    QByteArray before_;
    bool hadBefore_;
};
