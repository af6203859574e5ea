// controls.js -- the page's controls: a row of buttons that a tap or a mouse move shows and three
// seconds without input hide, each pressing its key the way a typed key goes (football.press);
// the link box (F9, Link); the clubs' chooser; the help; and the offline copy of the site.
'use strict';
(function () {
  const body = document.body;
  const canvas = document.getElementById('canvas');
  const controls = document.getElementById('controls');
  const guide = document.getElementById('guide');
  const helpButton = document.getElementById('help-button');
  const football = (window.football = window.football || {});
  const kShownMs = 3000;
  let hideTimer = 0;

  if (navigator.maxTouchPoints > 0)
    body.classList.add('touch');

  // Hidden three seconds after the last input, unless the keyboard is among
  // the buttons or the help is open.
  function hideLater() {
    clearTimeout(hideTimer);
    hideTimer = setTimeout(() => {
      if (controls.contains(document.activeElement) || !guide.hidden || !clubsBox.hidden)
        hideLater();
      else
        body.classList.remove('showing');
    }, kShownMs);
  }
  function show() {
    body.classList.add('showing');
    hideLater();
  }
  addEventListener('pointerdown', show, true);
  addEventListener('pointermove', (e) => { if (e.pointerType === 'mouse') show(); }, true);
  controls.addEventListener('focusin', show);

  // After a tap or a click the keys go to the picture again; after the
  // keyboard pressed a button (no pointer: detail 0) the focus stays on it.
  function pressed(event) {
    show();
    if (event.detail !== 0)
      canvas.focus();
  }

  for (const button of controls.querySelectorAll('button[data-key]')) {
    button.addEventListener('click', (event) => {
      if (football.press)
        football.press(Number(button.dataset.key));
      pressed(event);
    });
  }

  let noteTimer = 0;
  function note(text) {
    const line = document.getElementById('note');
    line.textContent = text;
    line.hidden = false;
    clearTimeout(noteTimer);
    noteTimer = setTimeout(() => { line.hidden = true; }, 6000);
  }

  // The link to the frame on screen, its other parameters kept but a session's.
  football.momentLink = function () {
    const link = new URL(location.href);
    link.searchParams.delete('session');
    if (football.seed !== undefined)
      link.searchParams.set('seed', football.seed);
    for (const side of ['home', 'away']) {
      if (football[side] !== undefined)
        link.searchParams.set(side, football[side]);
    }
    link.searchParams.set('at', String(Math.max(1, Number(canvas.dataset.frames || 0))));
    return link.href;
  };

  // The link F9 and the share control offer: this page with session= the frames since
  // start-up, the last 30 seconds of them shown at the match's pace. Where no session
  // replays the page (it began at a held moment) or the link would be too long, the link
  // to the frame on screen, saying why.
  const kLongestLink = 2000;
  const linkBox = document.getElementById('link-box');
  const linkText = document.getElementById('link-text');
  const linkWhy = document.getElementById('link-why');
  let linkOpener = null;
  function linkAndWhy() {
    const session = football.sessionLink ? football.sessionLink() : '';
    if (!session)
      return [football.momentLink(), 'This page began at a held moment, which a session ' +
              'cannot replay: the link shows the frame on screen.'];
    const link = new URL(location.href);
    for (const name of ['at', 'view', 'hold', 'seed', 'home', 'away', 'session'])
      link.searchParams.delete(name);
    link.searchParams.set('session', session);
    if (link.href.length > kLongestLink)
      return [football.momentLink(), 'The match since the page opened is too long for a ' +
              'link of ' + kLongestLink + ' characters: the link shows the frame on screen.'];
    return [link.href, ''];
  }
  football.showLink = function () {
    const [link, why] = linkAndWhy();
    linkText.value = link;
    linkWhy.textContent = why;
    linkWhy.hidden = !why;
    if (linkBox.hidden)
      linkOpener = document.activeElement;
    linkBox.hidden = false;
    document.getElementById('link-copy').focus();
  };
  function closeLink() {
    linkBox.hidden = true;
    const back = linkOpener && document.contains(linkOpener) ? linkOpener : canvas;
    back.focus();
  }
  document.getElementById('share').addEventListener('click', () => {
    football.showLink();
    show();
  });
  document.getElementById('link-copy').addEventListener('click', () => {
    const link = linkText.value;
    const copied = navigator.clipboard ? navigator.clipboard.writeText(link) : Promise.reject();
    copied.then(() => note('Link copied'), () => {
      linkText.select();
      note('The browser keeps the clipboard: the link is selected to copy');
    });
  });
  document.getElementById('link-close').addEventListener('click', closeLink);
  linkBox.addEventListener('keydown', (event) => {
    if (event.key === 'Escape')
      closeLink();
  });

  // The clubs' chooser: a new match between two of the clubs the page knows
  // (football.clubs, one a line, the designed pair first), as home= and away=.
  const clubsBox = document.getElementById('clubs-box');
  const clubsButton = document.getElementById('clubs-button');
  const home = document.getElementById('clubs-home');
  const away = document.getElementById('clubs-away');
  function openClubs(open) {
    clubsBox.hidden = !open;
    clubsButton.setAttribute('aria-expanded', String(open));
    if (!open)
      return;
    const names = (football.clubs || '').split('\n').filter(Boolean);
    for (const [list, side, designed] of [[home, 'home', 0], [away, 'away', 1]]) {
      list.replaceChildren(...names.map((name) => new Option(name, name)));
      list.value = football[side] || names[designed] || '';
    }
    document.getElementById('clubs-why').hidden = true;
    home.focus();
  }
  clubsButton.addEventListener('click', () => {
    openClubs(clubsBox.hidden);
    show();
  });
  document.getElementById('clubs-play').addEventListener('click', () => {
    if (home.value === away.value) {
      document.getElementById('clubs-why').hidden = false;
      return;
    }
    const link = new URL(location.href);
    for (const name of ['at', 'view', 'hold', 'session'])
      link.searchParams.delete(name);
    link.searchParams.set('home', home.value);
    link.searchParams.set('away', away.value);
    location.href = link.href;
  });
  document.getElementById('clubs-close').addEventListener('click', () => {
    openClubs(false);
    canvas.focus();
  });
  clubsBox.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') {
      openClubs(false);
      clubsButton.focus();
    }
  });

  function openHelp(open) {
    guide.hidden = !open;
    helpButton.setAttribute('aria-expanded', String(open));
    if (open)
      document.getElementById('guide-close').focus();
  }
  helpButton.addEventListener('click', (event) => {
    openHelp(guide.hidden);
    show();
    if (guide.hidden && event.detail !== 0)
      canvas.focus();
  });
  document.getElementById('guide-close').addEventListener('click', () => {
    openHelp(false);
    canvas.focus();
  });
  guide.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') {
      openHelp(false);
      helpButton.focus();
    }
  });

  // The site kept after one visit (sw.js): a reload plays without the network.
  if ('serviceWorker' in navigator)
    addEventListener('load', () => {
      navigator.serviceWorker.register('sw.js').catch(
          (error) => console.log('football: no offline copy: ' + error));
    });
})();
