#pragma once
// The twelve catalogue datasets of the main window with their declared field objects, orders
// and filter switches, and the seven data sources. Qt-free.
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/dataset/dataset.h"
#include "platform/dataset/table.h"

namespace expo::presentation {

class DataFileReadAhead;

struct Catalogue {
    Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    ds::ClientDataSet CDSJazyky{"CDSJazyky"};              // data0.dat: languages per catalogue
    ds::ClientDataSet CDSSekce{"CDSSekce"};                // data1.dat: catalogue sections
    ds::ClientDataSet CDSZaznamy{"CDSZaznamy"};            // data2.dat: exhibitors
    ds::ClientDataSet CDSNomenklatury{"CDSNomenklatury"};  // data3.dat
    ds::ClientDataSet CDSUmisteni{"CDSUmisteni"};          // data4.dat: placements
    ds::ClientDataSet CDSExponaty{"CDSExponaty"};          // data5.dat: exhibits
    ds::ClientDataSet CDSZastFir{"CDSZastFir"};            // data6.dat: represented firms
    ds::ClientDataSet CDSZastZnac{"CDSZastZnac"};          // data7.dat: represented brands
    ds::ClientDataSet CDSCisNom{"CDSCisNom"};              // data8.dat: nomenclature codes
    ds::ClientDataSet CDSCisPloch{"CDSCisPloch"};          // data9.dat: area codes
    ds::ClientDataSet CDSCisStat{"CDSCisStat"};            // data10.dat: country codes
    ds::ClientDataSet CDSDoplnInf{"CDSDoplnInf"};          // data11.dat: additional information

    ds::DataSource DSZaznamy{"DSZaznamy", &CDSZaznamy};
    ds::DataSource DSNomenklatury{"DSNomenklatury", &CDSNomenklatury};
    ds::DataSource DSUmisteni{"DSUmisteni", &CDSUmisteni};
    ds::DataSource DSExponaty{"DSExponaty", &CDSExponaty};
    ds::DataSource DSZastFir{"DSZastFir", &CDSZastFir};
    ds::DataSource DSZastZnac{"DSZastZnac", &CDSZastZnac};
    ds::DataSource DSDoplnInf{"DSDoplnInf", &CDSDoplnInf};

    static constexpr int kDataSetCount = 12;
    // The datasets in loading order: dataSet(0) is CDSJazyky, filled from fileName(0).
    ds::ClientDataSet& dataSet(int i);
    const ds::ClientDataSet& dataSet(int i) const;
    static std::string fileName(int i);  // "data0.dat" ... "data11.dat"

    // Closes dataset i when it is open, then loads its file from `folder` (the current directory
    // when empty; the file name in any letter case) and opens it; throws
    // expo::Error with the engine's reason. When "data7.dat" fails to load, the field objects
    // LOGO_ID, ktz_p_blogo, LOGO_WIDTH and LOGO_HEIGHT are removed from CDSZastZnac for good
    // and the file is loaded once more; a failure of that second attempt is thrown.
    void load(int i, const std::string& folder);
    // The same with the file read ahead by `ahead` when it holds it.
    void load(int i, const std::string& folder, DataFileReadAhead* ahead);
};

// Reads data files on a few threads of their own, in the order of their numbers, while the
// loading runs its earlier steps: a step then finds its file read and its table built. Each
// file is read exactly as Catalogue::load reads it, and its error is kept for its step.
class DataFileReadAhead {
  public:
    // Starts reading files `first` ... `last` from `folder`.
    DataFileReadAhead(const std::string& folder, int first, int last);
    // Waits for the reads under way; the files not yet started are left.
    ~DataFileReadAhead();
    DataFileReadAhead(const DataFileReadAhead&) = delete;
    DataFileReadAhead& operator=(const DataFileReadAhead&) = delete;

    bool holds(int i) const;
    // The table of file i once it is read; throws its read error. Once only.
    ds::Table take(int i);

  private:
    struct State;
    std::shared_ptr<State> state_;
    std::vector<std::thread> workers_;
};

}  // namespace expo::presentation
