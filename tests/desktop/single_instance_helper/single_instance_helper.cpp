// A stand-in for a second (or first) copy of the program in the single-instance tests: the same
// start-up check without any window or message box, reporting what happened on stdout.
//   single_instance_helper first FOLDER   claim; print "first", then "activated" when asked
//                                         to come forward, and exit
//   single_instance_helper second FOLDER  claim; print "handed-over" once the request is
//                                         delivered to the running copy
#include "desktop/single_instance.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    QTextStream out(stdout);

    rw::SingleInstance instance(args[2]);
    const rw::SingleInstance::Role role = instance.claim();
    if (args[1] == QLatin1String("first")) {
        if (role != rw::SingleInstance::Role::First) {
            out << "not-first" << Qt::endl;
            return 1;
        }
        QObject::connect(&instance, &rw::SingleInstance::activationRequested, &app, [&] {
            out << "activated" << Qt::endl;
            app.exit(0);
        });
        out << "first" << Qt::endl;
        return app.exec();
    }
    if (role != rw::SingleInstance::Role::AlreadyRunning) {
        out << "not-second" << Qt::endl;
        return 1;
    }
    out << (instance.handOver() ? "handed-over" : "not-delivered") << Qt::endl;
    return 0;
}
