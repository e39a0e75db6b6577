#pragma once

#include "ui/url_opener.h"

class DesktopUrlOpener final : public UrlOpener {
  public:
    void open(const QString& url) override;
};
