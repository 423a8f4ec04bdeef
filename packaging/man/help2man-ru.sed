# help2man names the sections it makes in English in the C.UTF-8 locale it runs in; the Russian
# page names them as the pages written by hand do.
s/^\.SH NAME$/.SH НАЗВАНИЕ/
s/^\.SH SYNOPSIS$/.SH ОБЗОР/
s/^\.SH DESCRIPTION$/.SH ОПИСАНИЕ/
s/^\.SH OPTIONS$/.SH ПАРАМЕТРЫ/
