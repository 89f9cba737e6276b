# The HTML table of an image list file, as Export to HTML writes it, for the
# benchmark: every row checked, names that need no percent-encoding beyond spaces.
#   awk -F';' -v root=/img/ -v title=out.htm -f export.awk LIST > OUT
function esc(s) {
    gsub(/&/, "\\&amp;", s); gsub(/</, "\\&lt;", s); gsub(/>/, "\\&gt;", s)
    gsub(/"/, "\\&quot;", s)
    return s
}
function cell(s) { return s == "" ? "<TD>&nbsp;</TD>" : "<TD>" esc(s) "</TD>" }
BEGIN {
    ORS = "\r\n"
    print "<HTML>"; print "<HEAD>"; print "<TITLE>" esc(title) "</TITLE>"
    print "<META charset=\"UTF-8\">"; print "</HEAD>"; print ""
    print "<H1>Image List</H1><HR><TABLE width=100% border=1 border-color=#FFFFFF border-style=\"groove\">"
    print ""; print "<TR>"; print "<TH>Name</TH>"; print "<TH>Source Text</TH>"
    print "<TH>Target Text</TH>"; print "</TR>"; print ""
}
{
    sub(/\r$/, "")
    url = root $1; gsub(/ /, "%20", url)
    print "<TR>"
    print "<TD><A HREF=\"file://" esc(url) "\">" esc($1) "</A></TD>"
    print cell($2); print cell($3)
    print "</TR>"; print ""
}
END {
    print "</TABLE>"; print "<HR>HTML generated with Vemarill"; print "</BODY>"; print "</HTML>"
}
