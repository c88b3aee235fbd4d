// Run before the program starts: the score file's folder is mounted from the
// page's storage (IndexedDB) and loaded from it, and made the working folder,
// so the program finds last visit's top score as a desktop finds its file.
// The folder's name is web_files.h's StoredFolder.
Module['preRun'] = [].concat(Module['preRun'] || [], function mountStoredFolder() {
  FS.mkdir('/scores');
  FS.mount(IDBFS, {}, '/scores');
  FS.chdir('/scores');
  addRunDependency('pelmora-stored-scores');
  FS.syncfs(true, function (error) {
    if (error) console.warn('Pelmora: no stored top score could be read in this page', error);
    removeRunDependency('pelmora-stored-scores');
  });
});
