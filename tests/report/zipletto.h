#pragma once

// A zip archive read back with an independent reader (libzip), which checks
// the archive's consistency and, read to the end, every part's CRC.
#include <zip.h>

#include <map>
#include <string>
#include <string_view>

struct Letta {
    std::string dati;
    zip_uint16_t metodo = 0;
    bool integra = false;
};

// Every part by name; empty when the bytes are no consistent archive.
inline std::map<std::string, Letta> leggizip(std::string_view byte) {
    std::map<std::string, Letta> out;
    zip_error_t err;
    zip_error_init(&err);
    zip_source_t* s = zip_source_buffer_create(byte.data(), byte.size(), 0, &err);
    zip_t* z = s != nullptr ? zip_open_from_source(s, ZIP_RDONLY | ZIP_CHECKCONS, &err) : nullptr;
    zip_error_fini(&err);
    if (z == nullptr) {
        if (s != nullptr) {
            zip_source_free(s);
        }
        return out;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(z, static_cast<zip_uint64_t>(i), 0, &st);
        Letta l;
        l.metodo = st.comp_method;
        l.dati.assign(static_cast<std::size_t>(st.size), '\0');
        if (zip_file_t* f = zip_fopen_index(z, static_cast<zip_uint64_t>(i), 0)) {
            // Reading to the end is where libzip checks the CRC.
            const zip_int64_t n = zip_fread(f, l.dati.data(), st.size);
            char oltre;
            l.integra = n == static_cast<zip_int64_t>(st.size) && zip_fread(f, &oltre, 1) == 0;
            zip_fclose(f);
        }
        out[st.name] = l;
    }
    zip_close(z);
    return out;
}
