// The peer "Extractor::Extract() alone" of the install comparison: the
// launcher's extractor, both passes and the progress reports included, as a
// program of its own, without the application, the dialog or the service.
//   extract_only <archive> <destination>   (the destination is created)
#include <sys/stat.h>

#include <clocale>
#include <cstdio>

#include "extract/extractor.h"
#include "texts/strtable.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: extract_only <archive> <destination>\n");
        return 2;
    }
    setlocale(LC_ALL, "C.UTF-8");  // as the launcher does for the names
    StrTable::InitStrTable();      // the dialog text the extractor sends
    mkdir(argv[2], 0755);
    Extractor extractor;
    extractor.archive_path = argv[1];
    extractor.dest_dir = argv[2];
    return extractor.Extract() == 0 ? 0 : 1;
}
