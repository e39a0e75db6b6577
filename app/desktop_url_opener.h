// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/url_opener.h"

class DesktopUrlOpener final : public UrlOpener {
  public:
    bool open(const QString& url) override;
};
