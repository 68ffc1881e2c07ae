#include "gui/program_options.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "gui/simulated_printer_attach.h"

namespace z3mq {

std::variant<ProgramOptions, std::string> parseProgramOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Configures Z3M and Q470 receipt printers attached by USB."));
  parser.addHelpOption();
  const QCommandLineOption simulate(
      QStringLiteral("simulate"),
      QStringLiteral("Attach a simulated printer instead of looking for a real one: "
                     "q470, q470-usb, z3m or z3m-usb."),
      QStringLiteral("model"));
  const QCommandLineOption simulateIfAbsent(
      QStringLiteral("simulate-if-absent"),
      QStringLiteral("Attach a simulated printer of this model when no printer is attached."),
      QStringLiteral("model"));
  parser.addOption(simulate);
  parser.addOption(simulateIfAbsent);
  if (!parser.parse(arguments)) return parser.errorText().toStdString();
  if (parser.isSet(QStringLiteral("help"))) {
    // Asked for before the application object exists, which is where the name would come from.
    std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    QFileInfo(arguments.value(0)).fileName())),
               stdout);
    std::exit(0);
  }
  if (!parser.positionalArguments().isEmpty()) {
    return "unexpected argument: " + parser.positionalArguments().front().toStdString();
  }
  if (parser.isSet(simulate) && parser.isSet(simulateIfAbsent)) {
    return std::string("--simulate and --simulate-if-absent exclude each other");
  }
  ProgramOptions options;
  options.onlyIfAbsent = parser.isSet(simulateIfAbsent);
  const QString model = parser.value(options.onlyIfAbsent ? simulateIfAbsent : simulate);
  if (model.isEmpty()) return options;
  options.simulate = simulatedPrinterModel(model.toStdString());
  if (options.simulate == nullptr) {
    return "unknown printer model '" + model.toStdString() +
           "' (choose q470, q470-usb, z3m or z3m-usb)";
  }
  return options;
}

}  // namespace z3mq
