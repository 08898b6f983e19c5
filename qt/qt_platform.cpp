#include "qt/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "qt/dialogs.h"
#include "qt/main_window.h"

namespace vocari {

namespace {

QString fromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string toPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QtPlatform::QtPlatform() { clock_.start(); }

QString QtPlatform::gameFileFilter() {
  QStringList parts;
  for (const auto& entry : kGameFileFilter) parts << QString::fromUtf8(entry[0]);
  return parts.join(QStringLiteral(";;"));
}

void QtPlatform::processEvents() {
  if (window_) window_->render();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtPlatform::repaint() {
  if (!window_) return;
  window_->render();
  window_->repaint();
}

void QtPlatform::beep() {
  QApplication::beep();
}

double QtPlatform::clock() { return double(clock_.nsecsElapsed()) / 1e9; }

CalendarDate QtPlatform::today() {
  const QDate d = QDate::currentDate();
  return {d.year(), d.month(), d.day()};
}

void QtPlatform::copyText(const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }

std::string QtPlatform::chooseOpenFile(const FileDialogRequest& request) {
  if (request.mustExist) {
    return toPath(QFileDialog::getOpenFileName(window_, QString::fromStdString(request.title),
                                               fromPath(request.startFolder), gameFileFilter(), &selectedFilter_));
  }
  QFileDialog dialog(window_, QString::fromStdString(request.title), fromPath(request.startFolder), gameFileFilter());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  return runDialog(dialog);
}

std::string QtPlatform::runDialog(QFileDialog& dialog) {
  if (!selectedFilter_.isEmpty()) dialog.selectNameFilter(selectedFilter_);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  selectedFilter_ = dialog.selectedNameFilter();
  return toPath(dialog.selectedFiles().first());
}

std::string QtPlatform::chooseSaveFile(const FileDialogRequest& request) {
  QFileDialog dialog(window_, QString::fromStdString(request.title), fromPath(request.startFolder), gameFileFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The suffix is added before the dialog asks about replacing, so it asks about the file written.
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
  if (!request.confirmReplace) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  return runDialog(dialog);
}

void QtPlatform::messageBox(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok, window_);
  box.setObjectName("MsgBox");
  box.exec();
}

void QtPlatform::showModal(ModalWindow which) {
  if (!window_) return;
  runModalWindow(which, window_->form(), window_);
}

void QtPlatform::quit(int status) {
  // Closing the window must not turn into a second quit request with status 0.
  QApplication::setQuitOnLastWindowClosed(false);
  if (window_) window_->close();
  QCoreApplication::exit(status);
}

}  // namespace vocari
