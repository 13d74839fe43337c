// Export and import of a 40-picture set archive, with the set pictures as the program ships them
// (900 x 1200 JPEGs from the built program folder's mdl/sets/).
//
//   taskset -c 1 build-test/bench/pictures/bench_pictures_set_archive --benchmark_repetitions=9
//
// Each run works on a fresh temporary program folder. The import is measured whole: the checks of
// every entry, the extraction, the copies into db/sets/ and the saving of the two set tables; the
// set it made is deleted again between iterations, outside the measured time.

#include "core/random_generator.h"
#include "core/stored_user_values.h"
#include "data/db_module.h"
#include "data/table_fields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kPictures = 40;

class TBenchRandom final : public IRandomGenerator
{
public:
    int draw(int) override { return 0; }
    void reseed() override {}
};

class TBenchInstallation
{
public:
    TBenchInstallation()
        : m_module(m_stored, ports(), m_folder.path())
    {
        const QString shipped = QStringLiteral(VELMORA_SHIPPED_SET_PICTURES);
        QStringList pictures = QDir(shipped).entryList({QStringLiteral("data*.img")}, QDir::Files, QDir::Name);
        if (pictures.isEmpty()) {
            std::fprintf(stderr, "no shipped set pictures in %s: build the target velmora_delivery\n", qPrintable(shipped));
            std::exit(1);
        }
        const auto &folders = m_module.Folders();
        QDir().mkpath(folders.dbSets);
        QDir().mkpath(folders.temp);
        TRecordTable &sets = m_module.SetsTable;
        sets.Append();
        sets.FieldByName(fields::sets::Name).SetAsString(QStringLiteral("Vierzig"));
        sets.FieldByName(fields::sets::Wertung).SetAsInteger(3);
        sets.Post();
        const int setId = sets.FieldByName(fields::sets::ID).AsInteger();
        TRecordTable &bilder = m_module.BilderTable;
        for (int k = 0; k < kPictures; ++k) {
            const QString name = QStringLiteral("data%1.img").arg(k);
            QFile::copy(shipped + u'/' + pictures.at(k % pictures.size()), folders.dbSets + u'/' + name);
            bilder.Append();
            bilder.FieldByName(fields::bilder::SetID).SetAsInteger(setId);
            bilder.FieldByName(fields::bilder::NrInSet).SetAsInteger(k + 1);
            bilder.FieldByName(fields::bilder::Wertung).SetAsInteger(1 + k % 5);
            bilder.FieldByName(fields::bilder::Bild).SetAsString(name);
            bilder.Post();
        }
        m_setId = setId;
    }

    TMainDataModule &module() { return m_module; }
    QString archivePath() const { return m_folder.path() + QStringLiteral("/vierzig.set"); }
    void selectOwnSet() { m_module.SetsTable.Locate(QString(fields::sets::ID), m_setId); }

private:
    TModulePorts ports()
    {
        TModulePorts ports;
        ports.random = &m_random;
        return ports;
    }

    QTemporaryDir m_folder;
    TStoredUserValues m_stored{QStringLiteral("/opt/velmora/velmora")};
    TBenchRandom m_random;
    TMainDataModule m_module;
    int m_setId = 0;
};

void BM_ExportSet40(benchmark::State &state)
{
    TBenchInstallation installation;
    for (auto _ : state) {
        installation.selectOwnSet();
        if (!installation.module().ExportSetArchive(installation.archivePath()))
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_ExportSet40)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportSet40(benchmark::State &state)
{
    TBenchInstallation installation;
    installation.selectOwnSet();
    installation.module().ExportSetArchive(installation.archivePath());
    for (auto _ : state) {
        const QStringList skipped = installation.module().ImportSetArchive(installation.archivePath());
        state.PauseTiming();
        if (!skipped.isEmpty() || installation.module().BilderTable.RecordCount() != 2 * kPictures)
            state.SkipWithError("the import did not take every picture");
        installation.module().DeleteSet(installation.module().SetsTable.FieldByName(fields::sets::ID).AsInteger());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportSet40)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
