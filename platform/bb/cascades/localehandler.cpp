#include "LocaleHandler"

namespace bb::cascades {

LocaleHandler::LocaleHandler(QObject *parent) : QObject(parent) {}

} // namespace bb::cascades
