#pragma once

#include <QString>

// Hands a web address to the desktop's browser and returns at once.
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& url) = 0;
};
