#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class CommandButton;
class PictureButton;
class UrlOpener;

// The credits screen: title, version and credits, a word about the
// advertisers and their two banners. The program starts on it, and the main
// menu's About shows it again. Its hidden status says which: "0" at start-up,
// where Continue leads on to the player screen; "1" from the menu, where
// Continue only closes it.
class About : public QDialog {
    Q_OBJECT
  public:
    static const std::array<QString, 2> bannerAddresses;
    static const QString notice;

    explicit About(UrlOpener& opener, QWidget* owner = nullptr);

    QString status() const;
    void setStatus(const QString& status);

    CommandButton* continueButton() const { return continue_; }
    PictureButton* banner(int index) const { return banners_.at(index); }

  signals:
    // Continue at start-up: the player screen is wanted before this one closes.
    void continuedAtStartUp();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void continueOn();

    UrlOpener& opener_;
    QLabel* status_;
    std::array<PictureButton*, 2> banners_{};
    CommandButton* continue_;
};
